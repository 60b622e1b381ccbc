#pragma once
// The views of the user's own lines: "New Line From Datasheet" and "User Lines".
namespace dorvik::gui {

class QtPlatformServices;

void RegisterDatasheetViews(QtPlatformServices& services);

} // namespace dorvik::gui
