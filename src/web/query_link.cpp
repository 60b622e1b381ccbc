#include "web/query_link.h"

#include "core/text/text_file.h"

#include <charconv>
#include <system_error>

namespace dorvik::web {

std::optional<std::string> DecodeUrlComponent(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            unsigned byte = 0;
            const char* digits = text.data() + i + 1;
            const auto [end, error] = std::from_chars(digits, digits + 2, byte, 16);
            if (error != std::errc() || end != digits + 2)
                return std::nullopt;
            out += static_cast<char>(byte);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

namespace {

bool FitsOnOneLine(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// Calls each(pair, decoded) for every pair with a "=": decoded is its line of a query file, or nothing.
template <typename Each> void ForEachPair(std::string_view fragment, Each each) {
    if (!fragment.empty() && fragment.front() == '#')
        fragment.remove_prefix(1);
    while (!fragment.empty()) {
        const auto end = fragment.find('&');
        const std::string_view pair = fragment.substr(0, end);
        fragment = end == std::string_view::npos ? std::string_view() : fragment.substr(end + 1);
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos)
            continue;
        const auto key = DecodeUrlComponent(pair.substr(0, equals));
        const auto value = DecodeUrlComponent(pair.substr(equals + 1));
        if (!key || !value || key->empty() || key->find_first_of("=[]; ") != std::string::npos ||
            !FitsOnOneLine(*key) || !FitsOnOneLine(*value))
            each(pair, std::optional<std::string>());
        else
            each(pair, std::optional<std::string>(*key + "=" + EncodeForFile(*value)));
    }
}

} // namespace

std::optional<std::string> QueryFileOfFragment(std::string_view fragment) {
    std::string file = "[data]\r\n";
    bool any = false;
    ForEachPair(fragment, [&](std::string_view, const std::optional<std::string>& line) {
        if (!line)
            return;
        file += *line + "\r\n";
        any = true;
    });
    if (!any)
        return std::nullopt;
    return file;
}

std::vector<std::string> UnreadablePairs(std::string_view fragment) {
    std::vector<std::string> pairs;
    ForEachPair(fragment, [&](std::string_view pair, const std::optional<std::string>& line) {
        if (!line)
            pairs.emplace_back(pair);
    });
    return pairs;
}

} // namespace dorvik::web
