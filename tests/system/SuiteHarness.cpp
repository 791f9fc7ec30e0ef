#include "SuiteHarness.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>
#include <vector>

namespace suite {
namespace {

#ifdef SUITE_PRODUCT_DIR
constexpr char kCompiledProductDir[] = SUITE_PRODUCT_DIR;
#else
constexpr char kCompiledProductDir[] = "";
#endif

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof(path));
    if (n == 0 || n >= sizeof(path)) return std::string();
    char* cut = std::strrchr(path, '\\');
    if (cut) *cut = '\0';
    return path;
}

void PumpOwnMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void SendOne(INPUT& input) { ::SendInput(1, &input, sizeof(INPUT)); }

}  // namespace

std::string TestBuildDir() {
    const std::string folder = ModuleFolder();  // <build>\tests
    const std::size_t cut = folder.find_last_of('\\');
    return cut == std::string::npos ? std::string(".") : folder.substr(0, cut);
}

std::string ProductDir() {
    char named[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableA("SUITE_PRODUCT_DIR", named, sizeof(named));
    if (n > 0 && n < sizeof(named)) return named;
    return *kCompiledProductDir ? std::string(kCompiledProductDir) : TestBuildDir();
}

std::string DistDir() { return ProductDir() + "\\dist"; }

std::string DistFile(const char* name) { return DistDir() + "\\" + name; }

std::string ToolFile(const char* name) { return ProductDir() + "\\tools\\" + name; }

std::string ReadFileText(const std::string& path) {
    fw::KernelHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file || file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();  // INVALID_HANDLE_VALUE is not ours to close
        return std::string();
    }
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) text.append(buffer, got);
    return text;
}

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

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpOwnMessages();
        if (condition()) return true;
        if (::GetTickCount() - start >= timeoutMs) return condition();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, stepMs, QS_ALLINPUT);
    }
}

void Settle(DWORD ms) {
    WaitUntil([] { return false; }, ms, 10);
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
    std::string markWindows = "Z:" + mark;
    for (char& c : markWindows) c = c == '/' ? '\\' : c;
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

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool DeleteFileIfAny(const std::string& path) { return ::DeleteFileA(path.c_str()) || !FileExists(path); }

std::wstring WindowTextW(HWND hwnd) {
    wchar_t text[1024] = {};
    ::GetWindowTextW(hwnd, text, 1024);
    return text;
}

std::wstring FromUtf8(const char* utf8) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (n <= 1) return std::wstring();
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], n);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
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

bool SetDword(const char* keyPath, const char* name, DWORD value, HKEY root) {
    fw::RegKey key;
    if (::RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return ::RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof(value)) == ERROR_SUCCESS;
}

bool SetString(const char* keyPath, const char* name, const char* value, HKEY root) {
    fw::RegKey key;
    if (::RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return ::RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                            static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
}

bool ReadDword(const char* keyPath, const char* name, DWORD* value, HKEY root) {
    DWORD type = 0;
    DWORD size = sizeof(*value);
    return ::SHGetValueA(root, keyPath, name, &type, value, &size) == ERROR_SUCCESS && type == REG_DWORD;
}

DWORD ReadDwordOr(const char* keyPath, const char* name, DWORD fallback, HKEY root) {
    DWORD value = 0;
    return ReadDword(keyPath, name, &value, root) ? value : fallback;
}

void DeleteTree(const char* keyPath, HKEY root) { ::SHDeleteKeyA(root, keyPath); }

bool KeyExists(const char* keyPath, HKEY root) {
    fw::RegKey key;
    return ::RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
}

int CountSubkeys(const char* keyPath, HKEY root) {
    fw::RegKey key;
    if (::RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) return -1;
    DWORD count = 0;
    if (::RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(count);
}

std::wstring ReadTextW(const char* keyPath, const char* name, HKEY root) {
    const std::wstring path = FromUtf8(keyPath);
    const std::wstring value = FromUtf8(name);
    wchar_t text[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof(text) - sizeof(wchar_t);
    if (::SHGetValueW(root, path.c_str(), value.c_str(), &type, text, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::wstring();
    return text;
}

std::string ReadText(const char* keyPath, const char* name, HKEY root) {
    char text[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof(text) - 1;
    if (::SHGetValueA(root, keyPath, name, &type, text, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    return text;
}

}  // namespace suite
