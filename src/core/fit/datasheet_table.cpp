#include "core/fit/datasheet_table.h"

#include "core/text/fields.h"
#include "core/text/letter_case.h"
#include "core/text/line_views.h"
#include "core/text/numbers.h"

#include <algorithm>
#include <cmath>

namespace dorvik {

namespace {

// The header's own separator: pasted spreadsheets give tabs, CSV files commas, some locales semicolons.
char ColumnSeparator(std::string_view header) {
    for (const char c : {'\t', ';', ','})
        if (header.find(c) != std::string_view::npos)
            return c;
    return ' ';
}

std::vector<std::string_view> Cells(std::string_view line, char separator) {
    std::vector<std::string_view> cells;
    if (separator == ' ') {
        std::size_t i = 0;
        while (i < line.size()) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            const std::size_t start = i;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                ++i;
            if (i > start)
                cells.push_back(line.substr(start, i - start));
        }
        return cells;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        cells.push_back(Trim(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            return cells;
        start = end + 1;
    }
}

// "dB / 100 ft" and "db/100FT" name the same column.
std::string ColumnKey(std::string_view heading) {
    std::string key;
    for (const char c : LowerCaseAscii(std::string(Trim(heading))))
        if (c != ' ')
            key += c;
    return key;
}

std::string At(std::size_t line) {
    return "line " + std::to_string(line) + ": ";
}

double PositiveFigure(std::string_view text, char separator, std::size_t line, const char* what) {
    const auto value = TryReadNumber(text, separator, /*alsoPoint=*/true);
    if (!value)
        throw FitError(At(line) + "the " + what + " " + "'" + QuotedExcerpt(text) + "' is not a number");
    if (!(*value > 0) || !std::isfinite(*value))
        throw FitError(At(line) + "the " + what + " " + "'" + QuotedExcerpt(text) + "' is not above 0");
    return *value;
}

} // namespace

double PrintedRounding(std::string_view number) {
    number = Trim(number);
    int exponent = 0;
    if (const auto e = number.find_first_of("eE"); e != std::string_view::npos) {
        exponent = static_cast<int>(TryReadNumber(number.substr(e + 1), '.').value_or(0));
        number = number.substr(0, e);
    }
    const auto point = number.find_first_of(".,");
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(number.size() - point - 1);
    return 0.5 * std::pow(10.0, exponent - decimals);
}

DatasheetTable ReadDatasheetTable(std::string_view text, char decimalSeparator) {
    DatasheetTable table;
    char separator = 0;
    int mhz = -1, attenuation = -1, power = -1;
    std::size_t lineNumber = 0;
    ForEachLine(text, [&](std::string_view raw) {
        ++lineNumber;
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#')
            return;
        if (separator == 0) {
            separator = ColumnSeparator(line);
            const auto headings = Cells(line, separator);
            for (std::size_t i = 0; i < headings.size(); ++i) {
                const std::string key = ColumnKey(headings[i]);
                const int column = static_cast<int>(i);
                if (key == "mhz")
                    mhz = column;
                else if (key == "db/100ft" || key == "db/100m") {
                    if (attenuation >= 0)
                        throw FitError(At(lineNumber) + "the table has two attenuation columns");
                    attenuation = column;
                    table.PerMeter = key == "db/100m";
                } else if (key == "kw")
                    power = column;
            }
            if (mhz < 0 || attenuation < 0)
                throw FitError(At(lineNumber) +
                               "the header needs a column \"MHz\" and a column \"dB/100ft\" or \"dB/100m\"");
            return;
        }
        const auto cells = Cells(line, separator);
        const auto cell = [&cells](int column) {
            return column < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(column)]
                                                           : std::string_view{};
        };
        DatasheetPoint point;
        point.Line = lineNumber;
        point.MHz = PositiveFigure(cell(mhz), decimalSeparator, lineNumber, "frequency");
        point.Attenuation = PositiveFigure(cell(attenuation), decimalSeparator, lineNumber, "attenuation");
        point.Rounding = PrintedRounding(cell(attenuation));
        if (power >= 0 && !Trim(cell(power)).empty())
            point.AveragePower = PositiveFigure(cell(power), decimalSeparator, lineNumber, "average power");
        for (const auto& other : table.Points)
            if (other.MHz == point.MHz)
                throw FitError(At(lineNumber) + "the frequency " + FormatGeneral(point.MHz, '.') +
                               " MHz is given already on line " + std::to_string(other.Line));
        table.Points.push_back(point);
    });
    if (separator == 0)
        throw FitError("the table is empty: it needs a header line and a line per frequency");
    std::sort(table.Points.begin(), table.Points.end(),
              [](const DatasheetPoint& a, const DatasheetPoint& b) { return a.MHz < b.MHz; });
    return table;
}

} // namespace dorvik
