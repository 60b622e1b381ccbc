#pragma once
// Shared by the fuzz targets: a failed property aborts with its description (libFuzzer keeps the input), and
// a scratch folder for the targets that go through files.
#include "core/text/temporary_folder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::fuzz {

inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at each separator line "@@\n" into at most `count` parts; the last part takes the rest.
inline std::vector<std::string_view> Parts(std::string_view text, std::size_t count) {
    constexpr std::string_view kSeparator = "\n@@\n";
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const auto at = text.find(kSeparator);
        if (at == std::string_view::npos)
            break;
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + kSeparator.size());
    }
    parts.push_back(text);
    parts.resize(count);
    return parts;
}

// One folder per process, in memory where the system has it, so that files cost little per run; removed when
// the process ends normally.
inline const std::filesystem::path& ScratchFolder() {
    static const TemporaryFolder folder = [] {
        try {
            return TemporaryFolder(std::filesystem::exists("/dev/shm")
                                       ? std::filesystem::path("/dev/shm")
                                       : std::filesystem::temp_directory_path(),
                                   "dorvik-fuzz-");
        } catch (const std::exception&) {
            std::abort();
        }
    }();
    return folder.Path();
}

inline void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace dorvik::fuzz
