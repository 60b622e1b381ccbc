#include "cli/typed_json.h"

#include "cli/formatters.h"
#include "core/text/numbers.h"

namespace dorvik::cli {

namespace {

std::string Number(const std::optional<double>& value) {
    return value ? FormatRoundTrip(*value) : std::string("null");
}

std::string Text(const std::optional<std::string>& text) {
    return text ? JsonString(*text) : std::string("null");
}

std::string Band(const FrequencyBand& band) {
    return "{\"low\": " + FormatRoundTrip(band.Low) + ", \"high\": " + FormatRoundTrip(band.High) + "}";
}

std::string Price(const std::string& currency, const std::optional<double>& amount) {
    return "{\"currency\": " + JsonString(currency) + ", \"amount\": " + Number(amount) + "}";
}

} // namespace

std::string JsonStrings(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        out += (i ? ", " : "") + JsonString(texts[i]);
    return out + "]";
}

void AppendQueryJson(std::string& out, const QueryEcho& query) {
    out += "{\"part_number\": " + Text(query.PartNumber);
    out += ", \"band_mhz\": " + (query.Band ? Band(*query.Band) : std::string("null"));
    out += ", \"max_loss_db\": " + Number(query.MaxLossDb);
    out += ", \"length\": " + Number(query.Length);
    out += ", \"units\": " + JsonString(UnitName(query.Unit));
    out += ", \"vswr\": " + Number(query.Vswr);
    out += ", \"connector_1\": " + Text(query.Connector1);
    out += ", \"connector_2\": " + Text(query.Connector2);
    out += ", \"families\": " + JsonStrings(query.Families);
    out += ", \"sort\": " + Text(query.Sort) + "}";
}

void AppendLineJson(std::string& out, const LineResult& line, const std::string& currency) {
    const TTransmissionLine& l = *line.Line;
    out += "{\"part_number\": " + JsonString(l.PartNumber);
    out += ", \"band_mhz\": " + Band({l.LowFrequency, l.HighFrequency});
    out += ", \"description\": " + JsonString(l.Description);
    for (const FigureField& field : kFigureFields)
        out += std::string(", \"") + field.JsonName + "\": " + Number(line[field.Id].Value);
    out += ", \"price_per_foot\": " + Price(currency, line[Figure::PricePerFoot].Value);
    out += ", \"price_per_meter\": " + Price(currency, line[Figure::PricePerMeter].Value);
    std::vector<std::string> connectors;
    for (const TConnector& connector : l.Connectors)
        connectors.emplace_back(connector.ConnectorName);
    out += ", \"connectors\": " + JsonStrings(connectors);
    out += ", \"cost_of_run\": {\"currency\": " + JsonString(currency) +
           ", \"amount\": " + Number(line[Figure::CostOfRun].Value) + ", \"part_numbers\": [";
    for (std::size_t i = 0; i < line.CostParts.size(); ++i)
        out += (i ? ", " : "") + JsonString(line.CostParts[i].PartNumber);
    const std::string& reason = line[Figure::CostOfRun].Reason;
    out += "], \"reason\": " + (reason.empty() ? std::string("null") : JsonString(reason)) + '}';
    out += ", \"longest_run_within_budget\": " + Number(line[Figure::LongestRun].Value);
    if (l.UserLine)
        out += ", \"source\": \"user\"";
    out += '}';
}

} // namespace dorvik::cli
