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

std::string Price(const std::string& currency, double amount) {
    return "{\"currency\": " + JsonString(currency) + ", \"amount\": " + FormatRoundTrip(amount) + "}";
}

std::string Strings(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i)
        out += (i ? ", " : "") + JsonString(texts[i]);
    return out + "]";
}

} // namespace

void AppendQueryJson(std::string& out, const QueryEcho& query) {
    out += "{\"part_number\": " + Text(query.PartNumber);
    out += ", \"band_mhz\": " + (query.Band ? Band(*query.Band) : std::string("null"));
    out += ", \"max_loss_db\": " + Number(query.MaxLossDb);
    out += ", \"length\": " + Number(query.Length);
    out += ", \"units\": " + JsonString(UnitName(query.Feet));
    out += ", \"vswr\": " + Number(query.Vswr);
    out += ", \"connector_1\": " + Text(query.Connector1);
    out += ", \"connector_2\": " + Text(query.Connector2);
    out += ", \"families\": " + Strings(query.Families) + "}";
}

void AppendLineJson(std::string& out, const LineFigures& line, bool byLoss) {
    out += "{\"part_number\": " + JsonString(line.PartNumber);
    out += ", \"band_mhz\": " + Band(line.Band);
    out += ", \"description\": " + JsonString(line.Description);
    for (const FigureField& field : kFigureFields)
        out += std::string(", \"") + field.JsonName + "\": " + Number(line.*field.Member);
    out += ", \"price_per_foot\": " + Price(line.Currency, line.PricePerFoot);
    out += ", \"price_per_meter\": " + Price(line.Currency, line.PricePerMeter);
    out += ", \"connectors\": " + Strings(line.Connectors);
    if (byLoss)
        out += ", \"longest_run_within_budget\": " + Number(line.LongestRun);
    if (line.UserLine)
        out += ", \"source\": \"user\"";
    out += '}';
}

} // namespace dorvik::cli
