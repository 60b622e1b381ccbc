// Profile files (query files, update.ini). The input is a file, then "@@" lines with a section, a key and a
// value. Properties: writing the key either is refused (a name that could not be read back) and leaves the
// file as it was, or the key then reads back as the value (without surrounding blanks, line breaks as
// blanks); every other section reads the same before and after; reading never fails.
#include "core/errors.h"
#include "core/store/profile_file.h"
#include "core/text/letter_case.h"
#include "core/text/text_file.h"
#include "core/text/trim.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace dorvik;
using fuzz::Require;

namespace {

std::string Blanked(std::string_view text) {
    std::string out(text);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return out;
}

// The names of the sections of the file other than the one written, at most a few.
std::vector<std::string> OtherSections(const std::filesystem::path& file, std::string_view section) {
    std::vector<std::string> names;
    for (const auto& line : ReadTextLines(file)) {
        const auto trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() != '[')
            continue;
        const auto name = std::string(TrimBlanks(trimmed.substr(1, trimmed.find(']') - 1)));
        if (!EqualsNoCase(name, TrimBlanks(section)) && names.size() < 8)
            names.push_back(name);
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(fuzz::AsText(data, size), 4);
    const auto file = fuzz::ScratchFolder() / "query.dvk";
    fuzz::WriteFile(file, parts[0]);
    const std::string section = Blanked(parts[1]);
    const std::string key = Blanked(parts[2]);
    const std::string value(parts[3]);

    const auto others = OtherSections(file, section);
    std::vector<std::vector<std::string>> before;
    for (const auto& name : others)
        before.push_back(ReadIniSection(name, file));
    const auto bytesBefore = fuzz::ReadFile(file);
    try {
        WriteProfileString(file, section, key, value);
    } catch (const FileError&) {
        const auto name = TrimBlanks(key);
        Require(TrimBlanks(section).find(']') != std::string_view::npos ||
                    (!name.empty() && name.front() == '[') || name.find('=') != std::string_view::npos,
                "only a name that could not be read back is refused");
        Require(fuzz::ReadFile(file) == bytesBefore, "a refused write leaves the file");
        return 0;
    }
    // Names are written without surrounding blanks, and are looked up so.
    const auto name = TrimBlanks(key);
    const auto sectionName = TrimBlanks(section);
    if (!name.empty()) {
        const auto read = FindProfileValue(file, sectionName, name);
        Require(read.has_value(), "the key written is found");
        Require(*read == TrimBlanks(Blanked(value)), "the key reads back as its value");
        Require(ReadProfileString(file, sectionName, name, "default") == *read,
                "the profile string is the value");
        const auto entries = ReadIniSection(std::string(sectionName), file);
        Require(std::any_of(entries.begin(), entries.end(),
                            [&](const std::string& entry) {
                                return EqualsNoCase(entry.substr(0, entry.find('=')), name) &&
                                       entry.substr(entry.find('=') + 1) == *read;
                            }),
                "the section lists the key with its value");
    }
    for (std::size_t i = 0; i < others.size(); ++i)
        Require(ReadIniSection(others[i], file) == before[i], "other sections survive");
    return 0;
}
