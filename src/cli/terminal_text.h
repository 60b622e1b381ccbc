#pragma once
// Texts of the data files as a terminal shows them: a catalogue can hold any byte, and an escape sequence in
// a part number must never reach the terminal as one.
#include <string>
#include <string_view>

namespace dorvik::cli {

// The bytes in UTF-8 (as DecodeForDisplay reads them), each control character (C0, DEL and C1) shown as one
// '?', so the text keeps its width; with keepLineBreaks, "\n" stays a line break.
std::string TerminalText(std::string_view bytes, bool keepLineBreaks = false);

} // namespace dorvik::cli
