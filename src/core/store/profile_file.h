#pragma once
// Profile (ini) files: the query settings files (section "data") and update.ini (section "UPDATE").
// The rules are those of the Windows profile functions: section and key names match regardless of letter
// case; a key's value is the rest of its line after the first "=", without surrounding blanks; when a key
// occurs twice in its section the first occurrence counts, and when a section occurs twice the first one
// counts; everything else in the file is ignored on reading and kept on writing, byte for byte. Files are
// 8-bit text, read with any line end up to a NUL; a rewrite changes only the lines of the keys it sets, keeps
// every line end and whatever follows a NUL, and new lines take the file's own line end (CR LF in a new
// file).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

// One "key=value" entry per key of the section, in file order. A missing or unreadable file, or a missing
// section, gives an empty list.
std::vector<std::string> ReadIniSection(const std::string& section, const std::filesystem::path& file);
// The same of a file's text already read.
std::vector<std::string> ReadIniSectionOfText(const std::string& section, std::string_view text);

// Sets each "key=value" entry as a key of the section, in list order: a key's line is replaced where it
// stands, a new key is added at the end of the section, and the section and the file are created when
// missing. The whole file is written at once (temporary file, then rename), so a failure leaves the earlier
// file as it was; it throws FileError "Unable to write to <path>". The folder is not created. Line breaks and
// NULs in names and values become blanks: they would split the line. A name that could not be read back is
// refused (FileError, nothing written): a key beginning with "[" or holding "=", a section holding "]".
void WriteIniSection(const std::filesystem::path& file, const std::string& section,
                     const std::vector<std::string>& entries);

// The value of the first entry whose key matches (letter case ignored), or defaultText when there is none or
// its value is empty.
std::string ReadValueOrDefault(const std::vector<std::string>& list, std::string_view key,
                               std::string_view defaultText);

// The key's value, or nothing when the file, the section or the key is missing. An empty value is a value.
std::optional<std::string> FindProfileValue(const std::filesystem::path& file, std::string_view section,
                                            std::string_view key);

// As the platform's profile functions: the default only when the key is missing (an empty value reads as
// empty). WriteProfileString throws FileError like WriteIniSection.
std::string ReadProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultText);
void WriteProfileString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace dorvik
