#pragma once

// Which Qt platform the program asks for. Under Wayland the compositor
// places windows itself, so they would not be centred nor kept out of the
// taskbar, and Qt 6.4's Wayland client crashes on a compositor without a
// seat: the X11 platform (XWayland included) is preferred whenever an X
// display exists. A platform the user named in QT_QPA_PLATFORM always wins.

#include <string>

namespace morvantis::qt {

// The value for QT_QPA_PLATFORM given the environment's QT_QPA_PLATFORM,
// DISPLAY and WAYLAND_DISPLAY (null when unset), or "" to leave Qt's own
// choice alone.
std::string PlataformaPreferida(const char* qtQpaPlatform, const char* display, const char* waylandDisplay);

// Sets QT_QPA_PLATFORM from this process's environment as above. Call it
// before the QApplication is made: that is when Qt reads it.
void EscolherPlataforma();

}  // namespace morvantis::qt
