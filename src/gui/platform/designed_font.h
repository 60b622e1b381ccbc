#pragma once
// The font the windows were laid out in.
class QWidget;

namespace dorvik::gui {

// Gives a window of designed (fixed) geometry the font its sizes were made for: "MS Sans Serif" 8 pt, drawn
// in Liberation Sans, which has Arial's metrics (a wider font clips captions and wraps texts past their
// boxes).
void UseDesignedFont(QWidget& window);

} // namespace dorvik::gui
