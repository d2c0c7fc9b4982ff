#pragma once

struct xcb_connection_t;

// The window system the program runs on: decided once, here, and asked of
// here everywhere else.
enum class Backend {
    X11,           // an X server of its own
    Xwayland,      // X on a Wayland desktop: places and the screen still ours
    NativeWayland, // Qt's Wayland platform: neither places nor the screen
    Other,         // offscreen, or before the application exists
};
Backend backend();
// Qt's native Wayland platform: the program cannot know where its windows
// or the pointer are on the desktop, nor read the screen.
inline bool onNativeWayland() {
    return backend() == Backend::NativeWayland;
}
// The X server the program talks to through Qt; null off X.
xcb_connection_t* xConnection();

// Before Qt starts: whether to ask it for X where it would go native on a
// Wayland desktop. There a program may not know where the pointer is, move
// its own window or place the windows docked to it; under Xwayland all of
// that works, so we stay there unless the user has chosen a platform.
bool shouldStayOnX(int argc, char** argv);
