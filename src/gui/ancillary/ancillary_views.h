#pragma once
// Tells the platform services how to show the about box and the update dialogs.
namespace dorvik::gui {

class QtPlatformServices;

void RegisterAncillaryViews(QtPlatformServices& services);

} // namespace dorvik::gui
