// DesktopWait: waits until the task bar of Wine's virtual desktop stands at the bottom of the
// screen, then ends.
//
//   DesktopWait.exe [--stay] [WIDTH HEIGHT [TIMEOUT_MS]]     defaults: 1024 768 30000
//
// When "Shell_TrayWnd" has the rectangle (0, HEIGHT-20)-(WIDTH, HEIGHT) and the screen is
// WIDTH x HEIGHT it prints "ready" and ends with status 0, or with --stay keeps running until it is
// killed. Status 1 on time-out (the last rectangle seen is printed), 2 on bad arguments.
//
// Why it exists: the first process of a Wine prefix brings the virtual desktop up, and a program
// that starts at the same moment may still see no task bar (an empty "Shell_TrayWnd"). The suite
// places its windows from the task bar's rectangle, so scripts/winenv runs this first. Being a
// plain process of the prefix, it also starts the desktop when none runs yet. The wineserver closes
// a desktop shortly after its last process has ended, also when the server itself is kept alive;
// --stay holds the desktop (and its task bar) up between the commands that scripts/winenv runs.
//
// scripts/winenv compiles this one file by itself (no framework, no resources), so it must stay
// self-contained.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int kTaskBarHeight = 20;
const DWORD kPollMs = 50;

// Parses a positive decimal number; returns 0 for anything else.
long ParsePositive(const char* text) {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value <= 0) return 0;
    return value;
}

bool TaskBarInPlace(long width, long height, RECT* seen) {
    seen->left = seen->top = seen->right = seen->bottom = 0;
    if (GetSystemMetrics(SM_CXSCREEN) != width || GetSystemMetrics(SM_CYSCREEN) != height) return false;
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (tray == nullptr || !GetWindowRect(tray, seen)) return false;
    return seen->left == 0 && seen->top == height - kTaskBarHeight && seen->right == width &&
           seen->bottom == height;
}

}  // namespace

int main(int argc, char** argv) {
    bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    if (stay) {
        --argc;
        ++argv;
    }
    long width = 1024, height = 768, timeoutMs = 30000;
    if (argc == 3 || argc == 4) {
        width = ParsePositive(argv[1]);
        height = ParsePositive(argv[2]);
        if (argc == 4) timeoutMs = ParsePositive(argv[3]);
    } else if (argc != 1) {
        width = 0;
    }
    if (width == 0 || height == 0 || timeoutMs == 0) {
        std::fprintf(stderr, "usage: DesktopWait [--stay] [WIDTH HEIGHT [TIMEOUT_MS]]\n");
        return 2;
    }

    DWORD start = GetTickCount();
    RECT seen;
    for (;;) {
        if (TaskBarInPlace(width, height, &seen)) {
            std::printf("ready\n");
            std::fflush(stdout);
            while (stay) Sleep(INFINITE);
            return 0;
        }
        // Unsigned subtraction stays right across the 49-day wrap of the tick count.
        if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) break;
        Sleep(kPollMs);
    }
    std::fprintf(stderr,
                 "DesktopWait: no task bar at (0,%ld)-(%ld,%ld) after %ld ms; screen %dx%d, seen "
                 "(%ld,%ld)-(%ld,%ld)\n",
                 height - kTaskBarHeight, width, height, timeoutMs, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), seen.left, seen.top, seen.right, seen.bottom);
    return 1;
}
