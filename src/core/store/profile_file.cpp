#include "core/store/profile_file.h"

#include "core/errors.h"
#include "core/store/letter_case.h"
#include "core/text/text_file.h"

#include <system_error>

namespace dorvik {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The name of a section header line ("[name]", blanks allowed around it and the name), else nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return TrimBlanks(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// A line "key=value" with a key that is not empty; any other line is not a key.
std::optional<KeyLine> ReadKeyLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const auto key = TrimBlanks(line.substr(0, equals));
    if (key.empty())
        return std::nullopt;
    return KeyLine{key, TrimBlanks(line.substr(equals + 1))};
}

// Lines [begin, end) of the first section of that name, after its header; begin is the header's index.
struct SectionRange {
    std::size_t header = 0;
    std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !EqualsNoCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end]))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::vector<std::string> ReadLinesOrNone(const std::filesystem::path& file) {
    try {
        return ReadTextLines(file);
    } catch (const FileError&) {
        return {};
    }
}

std::string Sanitized(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    return out;
}

void SetKey(std::vector<std::string>& lines, const std::string& section, const std::string& key,
            const std::string& value) {
    std::string line = key + "=" + value;
    const auto range = FindSection(lines, section);
    if (!range) {
        lines.push_back("[" + section + "]");
        lines.push_back(std::move(line));
        return;
    }
    std::size_t insertAt = range->header + 1; // after the last line of the section that is not blank
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto existing = ReadKeyLine(lines[i]);
        if (existing && EqualsNoCase(existing->key, key)) {
            lines[i] = std::move(line);
            return;
        }
        if (!TrimBlanks(lines[i]).empty())
            insertAt = i + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

} // namespace

std::vector<std::string> ReadIniSection(const std::string& section, const std::filesystem::path& file) {
    const auto lines = ReadLinesOrNone(file);
    std::vector<std::string> entries;
    const auto range = FindSection(lines, section);
    if (!range)
        return entries;
    std::vector<std::string_view> seen;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto line = ReadKeyLine(lines[i]);
        if (!line)
            continue;
        bool repeated = false;
        for (const auto key : seen)
            repeated = repeated || EqualsNoCase(key, line->key);
        if (repeated)
            continue;
        seen.push_back(line->key);
        entries.push_back(std::string(line->key) + "=" + std::string(line->value));
    }
    return entries;
}

void WriteIniSection(const std::filesystem::path& file, const std::string& section,
                     const std::vector<std::string>& entries) {
    if (entries.empty())
        return;
    const std::string failure = "Unable to write to " + file.string();
    std::vector<std::string> lines;
    std::error_code ec;
    if (std::filesystem::status(file, ec).type() != std::filesystem::file_type::not_found) {
        // A file that exists but cannot be read must not be replaced by one holding only the new keys.
        try {
            lines = ReadTextLines(file);
        } catch (const FileError&) {
            throw FileError(failure);
        }
    }
    const auto sectionName = Sanitized(TrimBlanks(section));
    for (const auto& entry : entries) {
        const std::string_view text = entry;
        const auto equals = text.find('=');
        const auto key = Sanitized(TrimBlanks(text.substr(0, equals)));
        if (key.empty())
            continue; // could never be read back
        const auto value =
            equals == std::string_view::npos ? std::string() : Sanitized(text.substr(equals + 1));
        SetKey(lines, sectionName, key, value);
    }
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += kLineEnd;
    }
    WriteFileAtomically(file, bytes); // throws FileError(failure)
}

std::string ReadValueOrDefault(const std::vector<std::string>& list, std::string_view key,
                               std::string_view defaultText) {
    for (const auto& entry : list) {
        const std::string_view text = entry;
        const auto equals = text.find('=');
        if (equals == std::string_view::npos || !EqualsNoCase(TrimBlanks(text.substr(0, equals)), key))
            continue;
        const auto value = text.substr(equals + 1);
        return std::string(value.empty() ? defaultText : value);
    }
    return std::string(defaultText);
}

std::optional<std::string> FindProfileValue(const std::filesystem::path& file, std::string_view section,
                                            std::string_view key) {
    const auto lines = ReadLinesOrNone(file);
    const auto range = FindSection(lines, section);
    if (!range)
        return std::nullopt;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto line = ReadKeyLine(lines[i]);
        if (line && EqualsNoCase(line->key, key))
            return std::string(line->value);
    }
    return std::nullopt;
}

std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultText) {
    return FindProfileValue(file, section, key).value_or(std::string(defaultText));
}

void WriteProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    std::string entry(key);
    entry += '=';
    entry += value;
    WriteIniSection(file, std::string(section), {entry});
}

} // namespace dorvik
