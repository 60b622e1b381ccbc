#include "core/store/registry_text.h"
#include "core/text/trim.h"

#include <array>
#include <optional>
#include <vector>

namespace dorvik {

namespace {

constexpr std::array<std::string_view, 5> kRoots{"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                                 "HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_CONFIG"};
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr std::string_view kNewLine = "\r\n";

// Unlike SplitLines, a NUL does not end the text: a damaged file is read past it.
std::vector<std::string_view> SplitAnyLineEnd(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A quoted text at the start of s: its unescaped content, and s advanced past the closing quote.
// Only \\ and \" are escapes; any other backslash stands for itself.
std::optional<std::string> ReadQuoted(std::string_view& s) {
    if (s.empty() || s.front() != '"')
        return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            s.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"'))
            out += s[++i];
        else
            out += c;
    }
    return std::nullopt; // not closed: a truncated line
}

std::optional<std::uint32_t> ReadDword(std::string_view digits) {
    if (digits.size() != 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return value;
}

struct HexData {
    std::uint32_t type = 3; // "hex:" is REG_BINARY
    std::string bytes;
};

// "hex:41,42" or "hex(N):41,42" with blanks allowed around the bytes.
std::optional<HexData> ReadHex(std::string_view s) {
    HexData data;
    s.remove_prefix(3);
    if (!s.empty() && s.front() == '(') {
        const auto close = s.find(')');
        if (close == std::string_view::npos || close == 1 || close > 9)
            return std::nullopt;
        data.type = 0;
        for (const char c : s.substr(1, close - 1)) {
            const int d = HexDigitValue(c);
            if (d < 0)
                return std::nullopt;
            data.type = (data.type << 4) | static_cast<std::uint32_t>(d);
        }
        s.remove_prefix(close + 1);
    }
    if (s.empty() || s.front() != ':')
        return std::nullopt;
    s.remove_prefix(1);
    if (TrimBlanks(s).empty())
        return data;
    std::size_t start = 0;
    while (start <= s.size()) {
        const auto end = std::min(s.find(',', start), s.size());
        const auto token = TrimBlanks(s.substr(start, end - start));
        if (token.size() != 2 || HexDigitValue(token[0]) < 0 || HexDigitValue(token[1]) < 0)
            return std::nullopt;
        data.bytes += static_cast<char>(HexDigitValue(token[0]) * 16 + HexDigitValue(token[1]));
        start = end + 1;
    }
    return data;
}

std::optional<RegistryValue> ReadValueData(std::string_view data) {
    RegistryValue value;
    if (!data.empty() && data.front() == '"') {
        auto text = ReadQuoted(data);
        if (!text || !TrimBlanks(data).empty())
            return std::nullopt;
        value.data.type = StoredValue::Type::String;
        value.data.text = std::move(*text);
        return value;
    }
    if (StartsWithNoCase(data, "dword:")) {
        const auto number = ReadDword(data.substr(6));
        if (!number)
            return std::nullopt;
        value.data.type = StoredValue::Type::Dword;
        value.data.number = *number;
        return value;
    }
    if (!StartsWithNoCase(data, "hex"))
        return std::nullopt;
    auto hex = ReadHex(data);
    if (!hex)
        return std::nullopt;
    if (hex->type == 1) { // REG_SZ in hex form: the text and its closing NUL
        if (!hex->bytes.empty() && hex->bytes.back() == '\0')
            hex->bytes.pop_back();
        value.data.type = StoredValue::Type::String;
        value.data.text = std::move(hex->bytes);
    } else if (hex->type == 4 && hex->bytes.size() == 4) { // REG_DWORD, little-endian
        value.data.type = StoredValue::Type::Dword;
        for (int i = 3; i >= 0; --i)
            value.data.number = (value.data.number << 8) | static_cast<unsigned char>(hex->bytes[i]);
    } else {
        value.data.type = StoredValue::Type::Other;
        value.raw = std::string(data);
    }
    return value;
}

// A value line: "Name"=data or @=data.
std::optional<RegistryValue> ReadValueLine(std::string_view line) {
    std::string name;
    if (!line.empty() && line.front() == '@') {
        line.remove_prefix(1);
    } else {
        auto quoted = ReadQuoted(line);
        if (!quoted)
            return std::nullopt;
        name = std::move(*quoted);
    }
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    auto value = ReadValueData(TrimBlanks(line.substr(1)));
    if (value)
        value->name = std::move(name);
    return value;
}

// The key path of a header line with its root spelt canonically, or nothing for a header that does not read.
std::optional<std::string> ReadKeyHeader(std::string_view line) {
    const auto close = line.rfind(']');
    if (close == std::string_view::npos || !TrimBlanks(line.substr(close + 1)).empty())
        return std::nullopt;
    const auto path = NormalizeKeyPath(line.substr(1, close - 1));
    const auto rootEnd = std::min(path.find('\\'), path.size());
    for (const auto root : kRoots) {
        if (EqualsNoCase(std::string_view(path).substr(0, rootEnd), root))
            return std::string(root) + path.substr(rootEnd);
    }
    return std::nullopt; // no root, an unknown root, or a deletion "[-...]"
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

void AppendHexByte(std::string& out, unsigned char byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

void AppendData(std::string& out, const RegistryValue& value) {
    switch (value.data.type) {
    case StoredValue::Type::String: {
        const auto& text = value.data.text;
        if (text.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos) {
            AppendQuoted(out, text);
            break;
        }
        out += "hex(1):";
        for (const char c : text) {
            AppendHexByte(out, static_cast<unsigned char>(c));
            out += ',';
        }
        out += "00";
        break;
    }
    case StoredValue::Type::Dword:
        out += "dword:";
        for (int shift = 28; shift >= 0; shift -= 4)
            out += kHexDigits[(value.data.number >> shift) & 0x0F];
        break;
    case StoredValue::Type::Other:
        out += value.raw.empty() ? std::string_view("hex:") : std::string_view(value.raw);
        break;
    }
}

} // namespace

bool IsStorableName(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

ParsedRegistry ParseRegistryText(std::string_view text) {
    ParsedRegistry result;
    const auto lines = SplitAnyLineEnd(text);
    // The key the value lines belong to; none below a header that did not read.
    std::optional<std::string> key;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto line = TrimBlanks(lines[i]);
        if (line.empty() || line.front() == ';' || line == "REGEDIT4" ||
            line == "Windows Registry Editor Version 5.00")
            continue;
        if (line.front() == '[') {
            key = ReadKeyHeader(line);
            if (key)
                result.tree.CreateKey(*key);
            else
                ++result.skippedLines;
            continue;
        }
        // Long hex data continues over lines that end with a backslash.
        std::string joined(line);
        while (joined.back() == '\\' && joined.find("=hex") != std::string::npos && i + 1 < lines.size()) {
            joined.pop_back();
            joined += TrimBlanks(lines[++i]);
            if (joined.empty())
                break;
        }
        auto value = key ? ReadValueLine(joined) : std::nullopt;
        if (!value) {
            ++result.skippedLines;
            continue;
        }
        result.tree.SetValue(*key, std::move(*value));
    }
    return result;
}

std::string FormatRegistryText(const RegistryTree& tree) {
    std::string out = "REGEDIT4";
    out += kNewLine;
    for (const auto& [folded, key] : tree.Keys()) {
        out += kNewLine;
        out += '[';
        out += key.path;
        out += ']';
        out += kNewLine;
        for (const auto& value : key.values) {
            if (value.name.empty())
                out += '@';
            else
                AppendQuoted(out, value.name);
            out += '=';
            AppendData(out, value);
            out += kNewLine;
        }
    }
    out += kNewLine;
    return out;
}

} // namespace dorvik
