#include "SuiteHarness.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>
#include <vector>

namespace suite {
namespace {

void SendOne(INPUT& input) { ::SendInput(1, &input, sizeof(INPUT)); }

}  // namespace

ProgramRun::~ProgramRun() { Terminate(); }

ProgramRun ProgramRun::Start(const char* exeName, const char* arguments) {
    return StartFile(DistFile(exeName), arguments, DistDir());
}

ProgramRun ProgramRun::StartFile(const std::string& exePath, const char* arguments,
                                 const std::string& folder) {
    ProgramRun run;
    std::string commandLine = "\"" + exePath + "\"";
    if (arguments && *arguments) commandLine += std::string(" ") + arguments;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &si, &pi))
        return run;
    ::CloseHandle(pi.hThread);
    run.process_.Reset(pi.hProcess);
    run.pid_ = pi.dwProcessId;
    return run;
}

ProgramRun ProgramRun::Attach(DWORD pid) {
    ProgramRun run;
    run.process_.Reset(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid));
    run.pid_ = run.process_.Valid() ? pid : 0;
    return run;
}

bool ProgramRun::Running() const {
    return process_.Valid() && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool ProgramRun::WaitForExit(DWORD timeoutMs) {
    if (!process_.Valid()) return true;
    return WaitUntil([this] { return !Running(); }, timeoutMs, 10);
}

DWORD ProgramRun::ExitCode() const {
    DWORD code = ~0u;
    if (process_.Valid()) ::GetExitCodeProcess(process_.Get(), &code);
    return code;
}

void ProgramRun::Terminate() {
    if (Running()) {
        ::TerminateProcess(process_.Get(), 1);
        ::WaitForSingleObject(process_.Get(), 5000);
    }
}

HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* windowClass) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = ::FindWindowA(windowClass, title)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitForWindowGone(const char* title, DWORD timeoutMs) {
    return WaitUntil([&] { return ::FindWindowA(nullptr, title) == nullptr; }, timeoutMs);
}

DWORD WindowProcess(HWND hwnd) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

RECT WindowRect(HWND hwnd) {
    RECT r = {0, 0, 0, 0};
    ::GetWindowRect(hwnd, &r);
    return r;
}

RECT ChildRect(HWND parent, int id) {
    RECT r = {0, 0, 0, 0};
    HWND child = ::GetDlgItem(parent, id);
    if (!child || !::GetWindowRect(child, &r)) return RECT{0, 0, 0, 0};
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LONG_PTR Style(HWND hwnd) { return ::GetWindowLongPtrA(hwnd, GWL_STYLE); }

LONG_PTR ExStyle(HWND hwnd) { return ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE); }

bool IsTopmost(HWND hwnd) { return (ExStyle(hwnd) & WS_EX_TOPMOST) != 0; }

bool LayeredAlpha(HWND hwnd, BYTE* alpha, DWORD* flags) {
    COLORREF key = 0;
    return ::GetLayeredWindowAttributes(hwnd, &key, alpha, flags) != FALSE;
}

bool WindowRegionEquals(HWND hwnd, HRGN expected) {
    fw::Region actual(::CreateRectRgn(0, 0, 0, 0));
    fw::Region difference(::CreateRectRgn(0, 0, 0, 0));
    if (!actual || !difference || ::GetWindowRgn(hwnd, actual.Get()) == ERROR) return false;
    // The same pixels, whatever bands the system cut them into: EqualRgn compares the bands.
    return ::CombineRgn(difference.Get(), actual.Get(), expected, RGN_XOR) == NULLREGION;
}

POINT ClientToScreenPoint(HWND hwnd, int x, int y) {
    POINT pt = {x, y};
    ::ClientToScreen(hwnd, &pt);
    return pt;
}

void MovePointer(int x, int y) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    // Absolute coordinates are normalised to 0-65535 across the screen; relative moves would be
    // accelerated.
    input.mi.dx = static_cast<LONG>((x * 65535 + (width - 1) / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((y * 65535 + (height - 1) / 2) / (height - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendOne(input);
}

bool RestPointerAt(int x, int y, DWORD restMs) {
    const auto at = [](int px, int py) {
        const POINT p = PointerPos();
        return p.x == px && p.y == py;
    };
    // Under the virtual desktop an earlier move can come back late as a move of its own and carry
    // the pointer off again (here: one pixel back to the approach point): so the pointer must stay
    // put for two rest times, and the approach is made once more when it did not. A pointer
    // already there is not moved at all, so that no new move can come back.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!at(x, y)) {
            MovePointer(x - 1, y);
            WaitUntil([&] { return at(x - 1, y); }, 2000);
            MovePointer(x, y);
            if (!WaitUntil([&] { return at(x, y); }, 2000)) continue;
        }
        Settle(restMs);
        if (!at(x, y)) continue;
        Settle(restMs);
        if (at(x, y)) return true;
    }
    return false;
}

void ClickAt(int x, int y) {
    RestPointerAt(x, y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendOne(input);
    Settle(30);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendOne(input);
}

void PressKey(WORD vk) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    SendOne(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    SendOne(input);
}

bool DragWindow(HWND window, POINT grip, int dx, int dy, int steps) {
    // A press while a button still holds the capture would go to that button, not the background.
    RestPointerAt(grip.x, grip.y, 300);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendOne(input);
    // The press starts the system's move loop in the window's thread; moves sent before the loop
    // runs would be lost under load, so wait for it.
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    const bool moving = WaitUntil(
        [&] {
            GUITHREADINFO info = {};
            info.cbSize = sizeof(info);
            return ::GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE) != 0;
        },
        3000);
    if (moving) {
        for (int step = 1; step <= steps; ++step) {
            MovePointer(grip.x + dx * step / steps, grip.y + dy * step / steps);
            Settle(40);
        }
    }
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendOne(input);
    return moving;
}

bool DraggedTo(HWND window, const RECT& from, int dx, int dy) {
    const RECT r = WindowRect(window);
    const int offX = r.left - (from.left + dx);
    const int offY = r.top - (from.top + dy);
    return offX >= -1 && offX <= 1 && offY >= -1 && offY <= 1 && r.right - r.left == from.right - from.left &&
           r.bottom - r.top == from.bottom - from.top;
}

POINT PointerPos() {
    POINT pt = {0, 0};
    ::GetCursorPos(&pt);
    return pt;
}

// Wine starts a Unix program given by its Unix path as it starts a Windows one, but hands back no
// process handle to wait on: a shell around xdotool leaves a mark file when it is done.
bool XdoTool(const std::string& arguments, DWORD timeoutMs) {
    static unsigned serial = 0;
    const std::string mark =
        "/tmp/suite-xdotool-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial);
    const std::string markWindows = HostPath(mark);
    std::string commandLine = "/bin/sh -c \"/usr/bin/xdotool " + arguments + " && : > " + mark + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    const bool done = WaitUntil([&] { return FileExists(markWindows); }, timeoutMs, 10);
    ::DeleteFileA(markWindows.c_str());
    return done;
}

POINT ControlMiddle(HWND dialog, int id) {
    RECT r = {0, 0, 0, 0};
    ::GetWindowRect(::GetDlgItem(dialog, id), &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::wstring WindowTextW(HWND hwnd) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(hwnd, text, 1024);
    return text;
}

bool EndProgramsWithWindow(const char* title, DWORD timeoutMs) {
    std::vector<DWORD> owners;
    for (HWND w = ::FindWindowA(nullptr, title); w; w = ::FindWindowExA(nullptr, w, nullptr, title)) {
        owners.push_back(WindowProcess(w));
        ::PostMessageA(w, WM_CLOSE, 0, 0);
    }
    if (owners.empty()) return true;
    if (WaitForWindowGone(title, timeoutMs)) return true;
    for (DWORD pid : owners) {
        fw::KernelHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
        if (!process) continue;
        ::TerminateProcess(process.Get(), 1);
        ::WaitForSingleObject(process.Get(), 5000);
    }
    return WaitForWindowGone(title, 2000);
}

}  // namespace suite
