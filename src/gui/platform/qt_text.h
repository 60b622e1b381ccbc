#pragma once
// Texts cross between the core (8-bit strings: the data files' bytes, UTF-8 from the user) and Qt.
#include <QString>

#include <string>
#include <string_view>

namespace dorvik::gui {

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252, as every output decodes them.
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

// Message texts use "\r" (and "\r\n") for line breaks; Qt wants "\n".
QString MessageText(std::string_view text);

} // namespace dorvik::gui
