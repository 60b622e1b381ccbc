#pragma once
// 8-bit text files: read whole, split at CR LF, lone CR and lone LF; a NUL ends the text.
// The bytes are kept as they are; DecodeForDisplay turns them into UTF-8 for showing.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

// A line break after the last line does not make an empty last line.
std::vector<std::string> SplitLines(std::string_view text);

// Throws FileError when the file cannot be read. For small files; large ones are read with FileBytes and
// LineViews, without a string per line.
std::string ReadWholeFile(const std::filesystem::path& path);
std::vector<std::string> ReadTextLines(const std::filesystem::path& path);

// Writes the bytes to a temporary file of its own beside the target, flushes it to disk and renames it over
// the target, so the target is always either the old file or one writer's complete new one, even with several
// writers at once. A symbolic link is written through to its target; an existing file keeps its permission
// bits. On failure the temporary file is removed and FileError("Unable to write to <path>") is thrown.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// UTF-8 where the bytes are valid UTF-8, otherwise Windows-1252.
std::string DecodeForDisplay(std::string_view bytes);
// The characters of the text read the same way; the five bytes that Windows-1252 leaves unassigned stand for
// themselves (U+0081, ...), so distinct texts never read the same.
std::u32string DecodeCodePoints(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// The reverse for text typed by the user: UTF-8 in, the 8-bit form of the data files out where every
// character has a Windows-1252 byte, else the UTF-8 unchanged.
std::string EncodeForFile(std::string_view utf8);

} // namespace dorvik
