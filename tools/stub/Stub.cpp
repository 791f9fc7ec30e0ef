// Stub: stands in, in tests, for any outside program or window that the suite starts or posts to
// (the maker's companion programs, "Suspend.exe", the window "On Screen Display", the magnifier
// window). A test copies Stub.exe under the name the suite expects (Suspend.exe, Oxtane.exe, ...)
// and reads back from a log file what the copy saw.
//
// Configuration, later sources overriding earlier ones:
//   1. environment: STUB_LOG, STUB_CLASS, STUB_TITLE, STUB_LIFETIME, STUB_EXIT, STUB_SHOW
//   2. the file beside the copy named after it, <folder>\<name>.stub.ini (Suspend.exe ->
//      Suspend.stub.ini), section [stub], the same keys in lower case:
//          [stub]
//          log=suspend.log          ; relative: beside the ini file
//          class=OsdWindowClass
//          title=On Screen Display
//          lifetime=30000
//      This is what works when the suite starts the copy with ShellExecuteA and its own arguments.
//   3. command-line arguments "/stub:log=FILE", "/stub:class=NAME", "/stub:title=TEXT",
//      "/stub:lifetime=MS", "/stub:exit=N", "/stub:show" when a test starts the copy directly.
//      They are taken out of the argument list that the log shows.
// Keys:
//   log       the log file; lines are appended and written through at once (several copies may
//             share one file). No log: nothing is written.
//   class     window class to register and create a window of ("StubWindow" when only a title
//             is given). Without class and title the stub creates no window.
//   title     window title.
//   lifetime  milliseconds until the stub ends by itself; -1 for never. Default: 60000 with a
//             window (ends earlier on WM_CLOSE), 0 without one (log and end).
//   exit      exit status (default 0).
//   show      1: show the window without activating it; default 0, hidden (FindWindowA finds it
//             either way, and a shown window would take the activation from the suite).
//
// Log lines, each "<program file name> <process id> <event> <details>":
//   start
//   cmdline <the command line as received>
//   arg <n> <argument n, 1-based, split as the C runtime does>
//   cwd <working folder>
//   window <class>|<title>          the window exists (tests may wait for this line)
//   msg <message> <wParam> <lParam> every message the window procedure receives, decimal
//   thread-msg <message> <wParam> <lParam>   messages posted to the thread, not a window
//   bad-setting <text>              a setting that was not understood
//   end <closed|timeout|no-window> <exit status>
// Example: "Suspend.exe 1234 arg 1 2", "OSD.exe 1240 msg 3936 1 0".
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Handles.h"
#include "StubConfig.h"

namespace {

const char kDefaultClass[] = "StubWindow";

class StubLog {
public:
    StubLog(const std::string& path, const std::string& name) : name_(name) {
        if (path.empty()) return;
        HANDLE h = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) file_.Reset(h);
    }

    void Line(const char* format, ...) {
        if (!file_) return;
        char text[2048];
        int head = std::snprintf(text, sizeof(text), "%s %lu ", name_.c_str(), GetCurrentProcessId());
        if (head < 0 || static_cast<size_t>(head) >= sizeof(text) - 2) head = 0;
        va_list args;
        va_start(args, format);
        int body = std::vsnprintf(text + head, sizeof(text) - head - 2, format, args);
        va_end(args);
        size_t length = static_cast<size_t>(head);
        if (body > 0)
            length += (static_cast<size_t>(body) < sizeof(text) - head - 2) ? body : sizeof(text) - head - 3;
        text[length++] = '\r';
        text[length++] = '\n';
        // One WriteFile per line, no buffering: the line is in the file when a test looks.
        DWORD written = 0;
        WriteFile(file_.Get(), text, static_cast<DWORD>(length), &written, nullptr);
    }

private:
    std::string name_;
    fw::KernelHandle file_;
};

StubLog* g_log = nullptr;  // the window procedure has no other way to reach it before WM_NCCREATE

LRESULT CALLBACK StubWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_log != nullptr)
        g_log->Line("msg %u %llu %lld", message, static_cast<unsigned long long>(wParam),
                    static_cast<long long>(lParam));
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::string ModulePath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    if (length == 0 || length >= sizeof(path)) return std::string();
    return std::string(path, length);
}

std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string IniString(const std::string& ini, const char* key) {
    char value[1024] = {};
    GetPrivateProfileStringA("stub", key, "", value, sizeof(value), ini.c_str());
    return value;
}

void ApplyEnvironment(stub::StubConfig* config, std::vector<std::string>* rejected) {
    static const char* const kKeys[][2] = {{"STUB_LOG", "log"},     {"STUB_CLASS", "class"},
                                           {"STUB_TITLE", "title"}, {"STUB_LIFETIME", "lifetime"},
                                           {"STUB_EXIT", "exit"},   {"STUB_SHOW", "show"}};
    for (const auto& key : kKeys) {
        char value[1024] = {};
        DWORD length = GetEnvironmentVariableA(key[0], value, sizeof(value));
        if (length == 0 || length >= sizeof(value)) continue;
        if (!stub::ApplySetting(key[1], value, config))
            rejected->push_back(std::string(key[0]) + "=" + value);
    }
}

void ApplyIni(const std::string& ini, stub::StubConfig* config, std::vector<std::string>* rejected) {
    if (GetFileAttributesA(ini.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    static const char* const kKeys[] = {"log", "class", "title", "lifetime", "exit", "show"};
    for (const char* key : kKeys) {
        std::string value = IniString(ini, key);
        if (value.empty()) continue;
        if (std::strcmp(key, "log") == 0) value = stub::ResolveBeside(ini, value);
        if (!stub::ApplySetting(key, value, config)) rejected->push_back(ini + ": " + key + "=" + value);
    }
}

HWND CreateStubWindow(HINSTANCE instance, const stub::StubConfig& config) {
    const char* className = config.className.empty() ? kDefaultClass : config.className.c_str();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = StubWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc)) return nullptr;
    HWND hwnd = CreateWindowExA(0, className, config.title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 240, 120,
                                nullptr, nullptr, instance, nullptr);
    if (hwnd != nullptr && config.show) ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
}

// Runs messages until the window is gone (true) or the lifetime is over (false).
bool RunMessages(long lifetimeMs, StubLog* log) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return true;
            if (msg.hwnd == nullptr)
                log->Line("thread-msg %u %llu %lld", msg.message, static_cast<unsigned long long>(msg.wParam),
                          static_cast<long long>(msg.lParam));
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        DWORD wait = INFINITE;
        if (lifetimeMs != stub::kForever) {
            DWORD elapsed = GetTickCount() - start;
            if (elapsed >= static_cast<DWORD>(lifetimeMs)) return false;
            wait = static_cast<DWORD>(lifetimeMs) - elapsed;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::string module = ModulePath();
    std::vector<std::string> rejected;
    stub::StubConfig config;
    ApplyEnvironment(&config, &rejected);
    ApplyIni(stub::IniPathFor(module), &config, &rejected);
    const char* commandLine = GetCommandLineA();
    std::vector<std::string> args = stub::SplitCommandLine(commandLine);
    std::vector<std::string> rejectedArgs = stub::TakeStubArguments(&args, &config);
    rejected.insert(rejected.end(), rejectedArgs.begin(), rejectedArgs.end());

    StubLog log(config.log, FileName(module));
    g_log = &log;
    log.Line("start");
    log.Line("cmdline %s", commandLine != nullptr ? commandLine : "");
    for (size_t i = 1; i < args.size(); ++i) log.Line("arg %u %s", static_cast<unsigned>(i), args[i].c_str());
    char cwd[MAX_PATH] = {};
    DWORD cwdLength = GetCurrentDirectoryA(sizeof(cwd), cwd);
    log.Line("cwd %s", (cwdLength > 0 && cwdLength < sizeof(cwd)) ? cwd : "?");
    for (const std::string& bad : rejected) log.Line("bad-setting %s", bad.c_str());

    const char* reason = "no-window";
    long lifetime = config.EffectiveLifetimeMs();
    if (config.WantsWindow()) {
        HWND hwnd = CreateStubWindow(instance, config);
        if (hwnd == nullptr) {
            log.Line("window-failed %lu", GetLastError());
            log.Line("end window-failed 1");
            return 1;
        }
        log.Line("window %s|%s", config.className.empty() ? kDefaultClass : config.className.c_str(),
                 config.title.c_str());
        reason = RunMessages(lifetime, &log) ? "closed" : "timeout";
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    } else if (lifetime != 0) {
        reason = RunMessages(lifetime, &log) ? "quit" : "timeout";
    }
    log.Line("end %s %d", reason, config.exitCode);
    g_log = nullptr;
    return config.exitCode;
}
