#include "core/text/fields.h"

namespace dorvik {

std::string_view RawFieldOf(std::string_view line, int n) {
    if (n < 1)
        return {};
    // One pass over the bytes: the fields wanted are short and near the start of the line.
    std::size_t start = 0;
    int field = 1;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '|')
            continue;
        if (field == n)
            return line.substr(start, i - start);
        ++field;
        start = i + 1;
    }
    return {};
}

std::string FieldOf(std::string_view line, int n) {
    return std::string(Trim(RawFieldOf(line, n)));
}

bool IsSkippedLine(std::string_view line) {
    if (line.empty())
        return true;
    switch (line.front()) {
    case ' ':
    case '#':
    case ';':
    case '[':
    case '^':
    case '`':
    case '{':
    case '~':
        return true;
    default:
        return false;
    }
}

} // namespace dorvik
