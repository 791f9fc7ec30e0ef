#pragma once
// What every system test knows of the tray program Perchlet and of the notification area it puts
// its icon into: its windows, messages and mutex as other programs see them, and two ways to ask
// whether its icon is shown.
//
// The icon is looked at from outside in two ways:
//   - the shell's own answer: a modify request without flags for (the notification window,
//     icon 129) succeeds only while the shell holds that icon, and changes nothing;
//   - what the user sees: Wine's task bar (explorer's "Shell_TrayWnd", 1024 x 20 at the bottom of
//     the virtual desktop) draws the k-th icon from the right in a square of the small icon size
//     plus a 2-pixel border, so the number of squares from the right end that hold a picture is
//     the number of icons shown.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "ScreenCapture.h"
#include "SuiteHarness.h"

namespace suite::tray {

// The names other programs reach it by (SuiteContract.h).
inline constexpr const char* kTitle = kTrayWindowTitle;
inline constexpr const char* kFrameClass = kTrayFrameClass;
inline constexpr const char* kNotifyClass = kTrayNotifyClass;
inline constexpr const char* kMutexName = kTrayMutexName;
inline constexpr UINT kExitMessage = UWM_TRAY_EXIT;
inline constexpr UINT kIconId = 129;
inline constexpr UINT kCallbackMessage = WM_USER + 10;  // 1034
inline constexpr UINT kCommandExit = 32772;
inline constexpr UINT kCommandAbout = 32773;
inline constexpr DWORD kTimeoutMs = 15000;

inline HWND FindFrame() { return ::FindWindowA(kFrameClass, kTitle); }
inline HWND FindNotifyWindow() { return ::FindWindowA(kNotifyClass, kTitle); }

// Every top-level window titled "Cor Vela".
inline std::vector<HWND> TitledWindows() {
    std::vector<HWND> found;
    for (HWND w = ::FindWindowA(nullptr, kTitle); w; w = ::FindWindowExA(nullptr, w, nullptr, kTitle))
        found.push_back(w);
    return found;
}

inline bool MutexExists() {
    fw::KernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, kMutexName));
    return mutex.Valid();
}

// The shell's answer for icon `id` of `owner`.
inline bool ShellHoldsIcon(HWND owner, UINT id = kIconId) {
    if (!owner) return false;
    NOTIFYICONDATAA probe = {};
    probe.cbSize = NOTIFYICONDATAA_V2_SIZE;
    probe.hWnd = owner;
    probe.uID = id;
    return ::Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

// Takes an icon out of the notification area as a restarting shell does.
inline bool DeleteIcon(HWND owner, UINT id = kIconId) {
    NOTIFYICONDATAA icon = {};
    icon.cbSize = NOTIFYICONDATAA_V2_SIZE;
    icon.hWnd = owner;
    icon.uID = id;
    return ::Shell_NotifyIconA(NIM_DELETE, &icon) != FALSE;
}

// The square of the k-th icon from the right, in screen coordinates.
inline RECT IconSlot(int k) {
    const RECT bar = WindowRect(::FindWindowA("Shell_TrayWnd", nullptr));
    const int side = ::GetSystemMetrics(SM_CXSMICON) + 4;
    const int top = bar.top + ((bar.bottom - bar.top) - side) / 2;
    return RECT{bar.right - side * (k + 1), top, bar.right - side * k, top + side};
}

inline POINT IconCentre(int k = 0) {
    const RECT r = IconSlot(k);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Icons drawn in the notification area: squares from the right end whose inside differs from
// their own border.
inline int IconsShown() {
    const int kMaxIcons = 8;
    const RECT last = IconSlot(kMaxIcons - 1);
    const RECT first = IconSlot(0);
    const RECT strip = {last.left, first.top, first.right, first.bottom};
    const Pixels shot = CaptureScreen(&strip);
    if (shot.Empty()) return 0;
    const int side = first.right - first.left;
    auto same = [](const BYTE* a, const BYTE* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; };
    int count = 0;
    for (int k = 0; k < kMaxIcons; ++k) {
        const int left = shot.width - side * (k + 1);
        const BYTE* border = shot.At(left, 0);
        bool drawn = false;
        for (int y = 2; y < side - 2 && !drawn; ++y)
            for (int x = left + 2; x < left + side - 2 && !drawn; ++x) drawn = !same(shot.At(x, y), border);
        if (!drawn) break;
        ++count;
    }
    return count;
}

// Waits until the tray program runs with its icon in the notification area; its notification
// window, or null.
inline HWND WaitForIcon(DWORD timeoutMs = kTimeoutMs) {
    HWND notify = nullptr;
    WaitUntil([&] { return (notify = FindNotifyWindow()) != nullptr && ShellHoldsIcon(notify) && IconsShown() == 1; },
              timeoutMs, 50);
    return notify && ShellHoldsIcon(notify) ? notify : nullptr;
}

// Waits until no tray program is left: no window, no mutex, no icon drawn.
inline bool WaitForTrayGone(DWORD timeoutMs = kTimeoutMs) {
    return WaitUntil([] { return TitledWindows().empty() && !MutexExists() && IconsShown() == 0; }, timeoutMs, 50);
}

}  // namespace suite::tray
