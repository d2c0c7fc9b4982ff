#pragma once

// The platform calls the windows are written against, under their Windows
// names, each doing on this desktop what the windows expect of it. Everything
// here goes through the installed Desktop, so tests can stand in for it.

#include <cstdint>

class QWidget;
class QIcon;

using HWND = QWidget*;
using HANDLE = void*;
using HICON = QIcon*;
using HINSTANCE = void*;
using UINT = unsigned;
using DWORD = std::uint32_t;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct TPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TPoint&) const = default;
};

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

inline constexpr UINT WM_NULL = 0;
inline constexpr UINT WM_NCLBUTTONDOWN = 161;
inline constexpr WPARAM HTCAPTION = 2;
inline constexpr UINT WM_USER = 0x400;
inline constexpr UINT WM_LBUTTONUP = 514;
inline constexpr UINT WM_LBUTTONDBLCLK = 515;
inline constexpr UINT WM_RBUTTONUP = 517;
inline constexpr UINT WM_MBUTTONUP = 520;

inline constexpr UINT IMAGE_ICON = 1;
inline constexpr UINT LR_LOADFROMFILE = 0x10;

inline constexpr DWORD NIM_ADD = 0;
inline constexpr DWORD NIM_MODIFY = 1;
inline constexpr DWORD NIM_DELETE = 2;
inline constexpr UINT NIF_MESSAGE = 1;
inline constexpr UINT NIF_ICON = 2;
inline constexpr UINT NIF_TIP = 4;
// The size of the first version of the record, the one the tray is given.
inline constexpr DWORD NOTIFYICONDATA_V1_SIZE = 88;

struct NOTIFYICONDATAA {
    DWORD cbSize = 0;
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    HICON hIcon = nullptr;
    char szTip[64] = {};
};

// A rectangle whose right and bottom edges lie just outside it.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A window message as the windows' dispatch sees it.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL SetForegroundWindow(HWND hWnd);
BOOL PostMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL GetCursorPos(TPoint* point);
BOOL ReleaseCapture();
// Keeps the pointer inside the rectangle (screen coordinates) until called
// with nullptr. Where the display cannot confine the pointer, nothing is
// confined and the program carries on. The confinement never outlives the
// drag: the layer lifts it at every mouse-up, when a window hides, when the
// program loses activation and at exit.
BOOL ClipCursor(const TRect* rect);
// Whether the last ClipCursor confined the pointer.
bool PointerConfined();
// Loads an icon file (relative to the current directory with
// LR_LOADFROMFILE); nullptr when it is missing or unreadable. The caller owns
// the result and hands it to a TIcon.
HANDLE LoadImageA(HINSTANCE instance, const char* name, UINT type, int cx, int cy, UINT flags);
// Opens a document with the desktop's program for it; above 32 on success.
HINSTANCE ShellExecuteA(HWND hWnd, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCmd);
BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data);
