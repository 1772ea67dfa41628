#pragma once

#include <cstdint>

class QWidget;

// Window operations every window of the game shares: translucency with a colour key, moving a
// borderless window with the mouse, placing a secondary window over the main window, and closing
// the windows a match no longer needs.
namespace modWindow {

// Alpha 255 is opaque. Every pixel of the window's own background in colourKey (an RGB value,
// -1 for none) becomes transparent, which gives the window its outline.
void SetWindowGlass(QWidget* window, std::uint8_t alpha, std::int32_t colourKey);
// Windows whose size changes call this so the outline follows the new background.
void RefreshColourKey(QWidget* window);

// Moves the window with the mouse until the button is released, like a title bar would. Uses
// the window manager's own move where there is one.
void DragWindow(QWidget* window);

// The main menu window, which secondary windows centre over. Null before it exists.
QWidget* MainWindow();
void setMainWindow(QWidget* window);
// Centres window over the main window, wherever that was dragged, keeping it on the screen;
// the main window itself is centred on its screen.
void CenterOverMain(QWidget* window);

// Closes every window except the main window and the game table; with alsoGame the table too.
void UnloadOtherForms(bool alsoGame);

} // namespace modWindow
