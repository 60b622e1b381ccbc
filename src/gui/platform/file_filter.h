#pragma once
// The form's file-dialog filters ("Description|*.ext|Other|*.a;*.b") in Qt's form
// ("Description (*.ext);;Other (*.a *.b)").
#include <QString>

#include <string_view>

namespace dorvik::gui {

QString ToQtFileFilter(std::string_view filter);

} // namespace dorvik::gui
