#pragma once
// Reads PDF files back with poppler's command-line tools: the page count, the page size, the text of a page.
#include <cstdio>
#include <filesystem>
#include <string>

namespace dorvik::testing {

inline std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        ::pclose(pipe);
    }
    return output;
}

// pdfinfo's value of a key ("Pages", "Title", "Page size").
inline std::string PdfInfo(const std::filesystem::path& pdf, const std::string& key) {
    const std::string info = "\n" + CommandOutput("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    const auto at = info.find("\n" + key + ":");
    if (at == std::string::npos)
        return {};
    auto begin = info.find_first_not_of(' ', at + key.size() + 2);
    return info.substr(begin, info.find('\n', begin) - begin);
}

// The text of the pages first to last (0: all), laid out as on the page.
inline std::string PdfText(const std::filesystem::path& pdf, int first = 0, int last = 0) {
    std::string range;
    if (first > 0)
        range = " -f " + std::to_string(first) + " -l " + std::to_string(last);
    return CommandOutput("pdftotext -layout" + range + " '" + pdf.string() + "' - 2>/dev/null");
}

inline int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

} // namespace dorvik::testing
