#include "core/store/profile_file.h"

#include "core/errors.h"
#include "core/text/letter_case.h"
#include "core/text/text_file.h"
#include "core/text/trim.h"

#include <iterator>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

namespace dorvik {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

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

// A line of a file being rewritten, with the line end that followed it ("" for a last line without one).
// Lines split where the reader splits them (CR LF, lone CR, lone LF), and the line ends are kept as they
// were.
struct RawLine {
    std::string text;
    std::string end;
};

// The file as the rewrite sees it: the lines the reader reads, and from a NUL on (where reading ends) the
// rest of the bytes, kept as they are.
struct RawFile {
    std::vector<RawLine> lines;
    std::string tail;
};

std::string_view TextOf(const std::string& line) {
    return line;
}

std::string_view TextOf(const RawLine& line) {
    return line.text;
}

template <typename Line>
std::optional<SectionRange> FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(TextOf(lines[i]));
        if (!name || !EqualsNoCase(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !SectionName(TextOf(lines[end])))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

RawFile SplitKeepingLineEnds(std::string_view bytes) {
    RawFile file;
    const auto nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        file.tail = std::string(bytes.substr(nul));
        bytes = bytes.substr(0, nul);
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        file.lines.push_back(
            {std::string(bytes.substr(start, i - start)), std::string(bytes.substr(i, crlf ? 2 : 1))});
        i += crlf ? 1 : 0;
        start = i + 1;
    }
    if (start < bytes.size())
        file.lines.push_back({std::string(bytes.substr(start)), ""});
    return file;
}

// New lines take the file's own line end (that of its first line that has one), CR LF in a new file.
std::string LineEndOf(const std::vector<RawLine>& lines) {
    for (const auto& line : lines)
        if (!line.end.empty())
            return line.end;
    return std::string(kLineEnd);
}

// Inserts lines before position at; a last line without a line end gets one first, and the last new line then
// ends the file without one, as the file did.
void InsertLines(std::vector<RawLine>& lines, std::size_t at, std::vector<std::string> texts,
                 const std::string& lineEnd) {
    if (texts.empty())
        return;
    bool unterminated = false;
    if (at > 0 && at == lines.size() && lines[at - 1].end.empty()) {
        lines[at - 1].end = lineEnd;
        unterminated = true;
    }
    std::vector<RawLine> added;
    added.reserve(texts.size());
    for (auto& text : texts)
        added.push_back(RawLine{std::move(text), lineEnd});
    if (unterminated)
        added.back().end.clear();
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(added.begin()),
                 std::make_move_iterator(added.end()));
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

struct KeyValue {
    std::string key;
    std::string value;
};

// Sets each key of the section in one pass: a key's first line in the section is replaced where it stands,
// new keys go after the section's last line that is not blank, and a missing section is added at the end.
void SetKeys(std::vector<RawLine>& lines, const std::string& section, const std::vector<KeyValue>& keys) {
    const std::string lineEnd = LineEndOf(lines);
    auto range = FindSection(lines, section);
    if (!range) {
        InsertLines(lines, lines.size(), {"[" + section + "]"}, lineEnd);
        range = SectionRange{lines.size() - 1, lines.size()};
    }
    std::unordered_map<std::string, std::size_t> existing; // folded key -> its first line
    std::size_t insertAt = range->header + 1;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (const auto line = ReadKeyLine(lines[i].text))
            existing.try_emplace(LowerCaseAscii(line->key), i);
        if (!TrimBlanks(lines[i].text).empty())
            insertAt = i + 1;
    }
    std::vector<std::string> added;
    std::unordered_map<std::string, std::size_t> addedAt; // folded key -> its place in added
    for (const auto& [key, value] : keys) {
        std::string line = key + "=" + value;
        auto folded = LowerCaseAscii(key);
        if (const auto it = existing.find(folded); it != existing.end()) {
            lines[it->second].text = std::move(line);
        } else if (const auto at = addedAt.find(folded); at != addedAt.end()) {
            added[at->second] = std::move(line);
        } else {
            addedAt.emplace(std::move(folded), added.size());
            added.push_back(std::move(line));
        }
    }
    InsertLines(lines, insertAt, std::move(added), lineEnd);
}

// Writes the keys into the section of the file, refusing names that would not read back.
void WriteKeys(const std::filesystem::path& file, std::string_view section,
               const std::vector<KeyValue>& keys) {
    const std::string failure = "Unable to write to " + file.string();
    const auto sectionName = Sanitized(TrimBlanks(section));
    if (sectionName.find(']') != std::string::npos)
        throw FileError(failure + ": a section name cannot hold \"]\" (\"" + QuotedExcerpt(sectionName) +
                        "\")");
    for (const auto& [key, value] : keys) {
        if (key.front() == '[' || key.find('=') != std::string::npos)
            throw FileError(failure + ": a key cannot begin with \"[\" or hold \"=\" (\"" +
                            QuotedExcerpt(key) + "\")");
    }
    RawFile raw;
    std::error_code ec;
    if (std::filesystem::status(file, ec).type() != std::filesystem::file_type::not_found) {
        // A file that exists but cannot be read must not be replaced by one holding only the new keys.
        try {
            raw = SplitKeepingLineEnds(ReadWholeFile(file));
        } catch (const FileError&) {
            throw FileError(failure);
        }
    }
    SetKeys(raw.lines, sectionName, keys);
    std::string bytes;
    for (const auto& line : raw.lines) {
        bytes += line.text;
        bytes += line.end;
    }
    bytes += raw.tail;
    WriteFileAtomically(file, bytes); // throws FileError(failure)
}

// A key as it is written: without surrounding blanks or line breaks; empty when it could never be read back.
std::string KeyName(std::string_view key) {
    return Sanitized(TrimBlanks(key));
}

std::vector<std::string> EntriesOfSection(const std::vector<std::string>& lines, const std::string& section) {
    std::vector<std::string> entries;
    const auto range = FindSection(lines, section);
    if (!range)
        return entries;
    std::unordered_set<std::string> seen; // folded keys
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        const auto line = ReadKeyLine(lines[i]);
        if (!line || !seen.insert(LowerCaseAscii(line->key)).second)
            continue;
        entries.push_back(std::string(line->key) + "=" + std::string(line->value));
    }
    return entries;
}

} // namespace

std::vector<std::string> ReadIniSection(const std::string& section, const std::filesystem::path& file) {
    return EntriesOfSection(ReadLinesOrNone(file), section);
}

std::vector<std::string> ReadIniSectionOfText(const std::string& section, std::string_view text) {
    return EntriesOfSection(SplitLines(text), section);
}

void WriteIniSection(const std::filesystem::path& file, const std::string& section,
                     const std::vector<std::string>& entries) {
    std::vector<KeyValue> keys;
    for (const auto& entry : entries) {
        const std::string_view text = entry;
        const auto equals = text.find('=');
        auto key = KeyName(text.substr(0, equals));
        if (key.empty())
            continue; // could never be read back
        auto value = equals == std::string_view::npos ? std::string() : Sanitized(text.substr(equals + 1));
        keys.push_back(KeyValue{std::move(key), std::move(value)});
    }
    if (!keys.empty())
        WriteKeys(file, section, keys);
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
    auto name = KeyName(key);
    if (name.empty())
        return;
    WriteKeys(file, section, {KeyValue{std::move(name), Sanitized(value)}});
}

} // namespace dorvik
