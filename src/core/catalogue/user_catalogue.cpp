#include "core/catalogue/user_catalogue.h"

#include "core/catalogue/catalogue_loader.h"
#include "core/catalogue/price_list.h"
#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/file_bytes.h"
#include "core/text/line_views.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <system_error>

namespace dorvik {

namespace {

constexpr const char* kHeader =
    "Low MHz|High MHz|Size|Part Number|Type|Family|Derating|K1|K2|Avg Power Const|Peak "
    "kW|Connector|N1|N2|N3|N4|Part 1|Part 2|Part 3|Part 4|Part 5|Part 6|";

std::string Number(double value) {
    return FormatGeneral(value, '.');
}

// A text that would break the file's fields or lines.
bool BreaksFields(std::string_view text) {
    return text.find_first_of("|\r\n") != std::string_view::npos || text.find('\0') != std::string_view::npos;
}

std::string CatalogueLine(const UserLineEntry& line, const UserConnectorEntry& connector) {
    std::string text;
    for (const std::string& field :
         {Number(line.LowFrequency), Number(line.HighFrequency), line.Size, line.PartNumber, line.CableType,
          line.Family, Number(line.DeratingParameter), Number(line.K1), Number(line.K2),
          Number(line.AveragePowerConstant), Number(line.PeakPower), connector.Name})
        text += field + '|';
    for (const double number : connector.Numbers)
        text += Number(number) + '|';
    for (const std::string& partNumber : connector.PartNumbers)
        text += partNumber + '|';
    return text;
}

std::string PriceLine(const UserLineEntry& line) {
    return "1|USER|" + line.PartNumber + "|ft|" + line.Description + "|" + Number(line.ListPrice) + "|";
}

std::string ReadText(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return {};
    return std::string(FileBytes::Read(path).View());
}

} // namespace

std::vector<std::string> UserLineProblems(const UserLineEntry& line, const Catalogue& maker) {
    std::vector<std::string> problems;
    if (Trim(line.PartNumber).empty() || Trim(line.PartNumber) != line.PartNumber)
        problems.push_back("The part number is empty or begins or ends with a blank.");
    for (const auto& maker_line : maker)
        if (!maker_line.UserLine && maker_line.PartNumber == line.PartNumber) {
            problems.push_back("The part number " + line.PartNumber +
                               " is one of the maker's: a line of your own needs a part number of its own.");
            break;
        }
    bool broken = false;
    for (const std::string* text :
         {&line.PartNumber, &line.Size, &line.CableType, &line.Family, &line.Description})
        broken = broken || BreaksFields(*text);
    for (const auto& connector : line.Connectors) {
        broken = broken || BreaksFields(connector.Name);
        for (const auto& partNumber : connector.PartNumbers)
            broken = broken || BreaksFields(partNumber);
    }
    if (broken)
        problems.push_back("A text holds a \"|\" or a line break, which the catalogue's files cannot keep.");
    if (!(line.LowFrequency > 0 && line.LowFrequency < line.HighFrequency))
        problems.push_back("The band needs a lower edge above 0 and below its upper edge.");
    if (line.CableType == "EW" && !(line.K1 > 0 && line.K1 < line.LowFrequency))
        problems.push_back("A waveguide's cutoff must lie between 0 and the band's lower edge.");
    if (!(line.K1 >= 0 && line.K2 >= 0 && line.K1 + line.K2 > 0))
        problems.push_back(
            "The attenuation coefficients must be at least 0, and not both 0: fit the table first.");
    if (!(line.PeakPower > 0) || !(line.AveragePowerConstant >= 0) || !(line.DeratingParameter >= 0) ||
        !(line.ListPrice >= 0))
        problems.push_back(
            "The peak power must be above 0; the derating, power constant and price at least 0.");
    if (line.Connectors.empty())
        problems.push_back("A line needs at least one connector.");
    return problems;
}

UserCatalogue::UserCatalogue(std::string_view catalogueText, std::string_view pricesText, char separator)
    : separator_(separator) {
    std::size_t index = 0;
    ForEachLine(catalogueText, [this, &index](std::string_view line) {
        if (index++ == 0) {
            header_ = line;
            return;
        }
        const std::string partNumber = FieldOf(line, 4);
        if (runs_.empty() || runs_.back().PartNumber != partNumber)
            runs_.push_back({partNumber, {}});
        runs_.back().Lines.emplace_back(line);
    });
    ForEachLine(pricesText, [this](std::string_view line) { priceLines_.emplace_back(line); });
}

UserCatalogue UserCatalogue::Read(const std::filesystem::path& folder, char separator) {
    return UserCatalogue(ReadText(folder / kUserCatalogueFileName), ReadText(folder / kUserPriceFileName),
                         separator);
}

std::vector<std::string> UserCatalogue::PartNumbers() const {
    std::vector<std::string> partNumbers;
    for (const Run& run : runs_)
        if (!Trim(run.PartNumber).empty())
            partNumbers.push_back(run.PartNumber);
    return partNumbers;
}

std::optional<UserLineEntry> UserCatalogue::Line(std::string_view partNumber) const {
    const auto run =
        std::find_if(runs_.begin(), runs_.end(), [&](const Run& r) { return r.PartNumber == partNumber; });
    if (run == runs_.end())
        return std::nullopt;
    try {
        const std::string block = [&] {
            std::string text = "header\n";
            for (const auto& line : run->Lines)
                text += line + '\n';
            return text;
        }();
        const LoadedCatalogue loaded = LoadCatalogue(FileBytes(block), separator_);
        if (loaded.Lines.size() != 1 || !loaded.Problems.empty())
            return std::nullopt;
        const TTransmissionLine& record = loaded.Lines[0];
        UserLineEntry entry;
        entry.LowFrequency = record.LowFrequency;
        entry.HighFrequency = record.HighFrequency;
        entry.Size = record.AuxText1;
        entry.PartNumber = Trim(record.PartNumber);
        entry.CableType = record.CableType;
        entry.Family = record.AuxText2;
        entry.DeratingParameter = static_cast<double>(record.DeratingParameter);
        entry.K1 = record.AttenuationK1;
        entry.K2 = record.AttenuationK2;
        entry.AveragePowerConstant = record.AveragePowerConstant;
        entry.PeakPower = record.PeakPower;
        for (const TConnector& connector : record.Connectors) {
            UserConnectorEntry c;
            c.Name = connector.ConnectorName;
            c.Numbers = connector.ConnectorNumbers;
            const auto partNumbers = connector.PartNumbers();
            for (std::size_t i = 0; i < partNumbers.size() && i < c.PartNumbers.size(); ++i)
                c.PartNumbers[i] = partNumbers[i];
            entry.Connectors.push_back(std::move(c));
        }
        std::string prices;
        for (const auto& line : priceLines_)
            prices += line + '\n';
        if (const auto price = PriceList(FileBytes(prices), separator_).FindPriceLine(entry.PartNumber)) {
            entry.Description = price->Description;
            entry.ListPrice = price->Price;
        }
        return entry;
    } catch (const DorvikError&) {
        return std::nullopt;
    }
}

UserCatalogue::Run* UserCatalogue::FindRun(std::string_view partNumber) {
    const auto run =
        std::find_if(runs_.begin(), runs_.end(), [&](const Run& r) { return r.PartNumber == partNumber; });
    return run == runs_.end() ? nullptr : &*run;
}

void UserCatalogue::Put(const UserLineEntry& line, std::string_view previousPartNumber) {
    Run run{line.PartNumber, {}};
    for (const auto& connector : line.Connectors)
        run.Lines.push_back(CatalogueLine(line, connector));
    const std::string previous(previousPartNumber.empty() ? std::string_view(line.PartNumber)
                                                          : previousPartNumber);
    if (previous != line.PartNumber)
        Remove(line.PartNumber);
    if (Run* existing = FindRun(previous))
        *existing = std::move(run);
    else
        runs_.push_back(std::move(run));
    // The line's price line replaces the previous one; the others stay.
    std::erase_if(priceLines_, [&](const std::string& text) {
        const std::string partNumber = FieldOf(text, 3);
        return !IsSkippedLine(text) && (partNumber == previous || partNumber == line.PartNumber);
    });
    priceLines_.push_back(PriceLine(line));
}

void UserCatalogue::Remove(std::string_view partNumber) {
    std::erase_if(runs_, [&](const Run& run) { return run.PartNumber == partNumber; });
    std::erase_if(priceLines_, [&](const std::string& text) {
        return !IsSkippedLine(text) && FieldOf(text, 3) == partNumber;
    });
}

std::string UserCatalogue::CatalogueText() const {
    std::string text = (header_.empty() ? std::string(kHeader) : header_) + '\n';
    for (const Run& run : runs_)
        for (const auto& line : run.Lines)
            text += line + '\n';
    return text;
}

std::string UserCatalogue::PricesText() const {
    std::string text;
    for (const auto& line : priceLines_)
        text += line + '\n';
    return text;
}

void UserCatalogue::Write(const std::filesystem::path& folder) const {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw FileError("Cannot create the folder " + folder.string() + ": " + ec.message());
    WriteFileAtomically(folder / kUserPriceFileName, PricesText());
    WriteFileAtomically(folder / kUserCatalogueFileName, CatalogueText());
}

} // namespace dorvik
