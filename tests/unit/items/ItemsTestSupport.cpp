#include "StubPath.h"
#include "SuiteComEnvironment.h"
#include "ItemsTestSupport.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <wbemidl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "Com.h"
#include "Handles.h"
#include "StringTable.h"

namespace {

void MakeFolders(const std::string& folder) {
    for (std::size_t i = 3; i <= folder.size(); ++i)
        if (i == folder.size() || folder[i] == '\\') ::CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
}

int g_counter = 0;

}  // namespace

std::string Ansi(const char* utf8) {
    int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], n);
    int m = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(m), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &out[0], m, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

bool KoreanInterface() { return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_KOREAN; }

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WaitForText(const std::string& path, const std::string& needle, DWORD timeoutMs) {
    for (DWORD waited = 0;; waited += 50) {
        if (ReadWholeFile(path).find(needle) != std::string::npos) return true;
        if (waited >= timeoutMs) return false;
        ::Sleep(50);
    }
}

std::vector<std::string> LogLinesWith(const std::string& path, const std::string& part) {
    std::vector<std::string> lines;
    std::istringstream in(ReadWholeFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

void InstallStub(const std::string& folder, const std::string& fileName, const std::string& log,
                 const std::vector<std::string>& settings) {
    MakeFolders(folder);
    const std::string exe = folder + "\\" + fileName;
    ASSERT_TRUE(::CopyFileA(StubExe().c_str(), exe.c_str(), FALSE)) << StubExe() << " -> " << exe;
    std::string ini = "[stub]\r\nlog=" + log + "\r\n";
    for (const std::string& s : settings) ini += s + "\r\n";
    const std::string iniPath = folder + "\\" + fileName.substr(0, fileName.rfind('.')) + ".stub.ini";
    std::ofstream(iniPath, std::ios::binary) << ini;
}

RunningStub::RunningStub(const std::string& exe, const std::string& log) {
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process_))
        return;
    ready_ = WaitForText(log, " window ");
}

RunningStub::~RunningStub() {
    if (process_.hProcess) {
        ::TerminateProcess(process_.hProcess, 0);
        ::WaitForSingleObject(process_.hProcess, 5000);
        ::CloseHandle(process_.hProcess);
        ::CloseHandle(process_.hThread);
    }
}

void CloseWindowsOfClass(const char* windowClass) {
    for (int i = 0; i < 20; ++i) {
        HWND wnd = ::FindWindowA(windowClass, nullptr);
        if (!wnd) return;
        ::PostMessageA(wnd, WM_CLOSE, 0, 0);
        ::Sleep(100);
    }
}

ScratchStore::ScratchStore() {
    char path[96];
    std::snprintf(path, sizeof(path), "Software\\CorvelaItemsTest\\%lu_%d", ::GetCurrentProcessId(),
                  ++g_counter);
    keyPath_ = path;
    ::SHDeleteKeyA(HKEY_CURRENT_USER, keyPath_.c_str());
    StoreSettings settings;
    settings.keyPath = keyPath_;
    settings.displayValueName = Texts().nameValue;
    settings.notifier = &notes_;
    store_ = new CMenuItemStore(settings);
}

ScratchStore::~ScratchStore() {
    Remove();
    delete store_;
}

void ScratchStore::Remove() { ::SHDeleteKeyA(HKEY_CURRENT_USER, keyPath_.c_str()); }

std::string ScratchStore::Text(const char* keyName, const char* valueName) const {
    char buffer[kTextCap];
    if (!store_->ReadString(store_->ItemPath(keyName), valueName, buffer, sizeof(buffer))) return "<missing>";
    return buffer;
}

MessageBoxWatcher::MessageBoxWatcher() : thread_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<SeenMessage> MessageBoxWatcher::Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

namespace {

struct Search {
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBoxes(HWND wnd, LPARAM param) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(wnd, &pid);
    char cls[32] = {}, title[64] = {};
    ::GetClassNameA(wnd, cls, sizeof(cls));
    ::GetWindowTextA(wnd, title, sizeof(title));
    if (pid == ::GetCurrentProcessId() && std::string(cls) == "#32770" &&
        std::string(title) == kMessageBoxCaption && ::IsWindowVisible(wnd))
        reinterpret_cast<Search*>(param)->boxes.push_back(wnd);
    return TRUE;
}

struct BoxContent {
    std::string text;
    bool icon = false;
};

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
    auto* content = reinterpret_cast<BoxContent*>(param);
    char cls[32] = {};
    ::GetClassNameA(child, cls, sizeof(cls));
    if (std::string(cls) != "Static") return TRUE;
    LONG_PTR style = ::GetWindowLongPtrA(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON) {
        if (::SendMessageA(child, STM_GETICON, 0, 0)) content->icon = true;
        return TRUE;
    }
    char text[1024] = {};
    ::GetWindowTextA(child, text, sizeof(text));
    if (text[0] && content->text.empty()) content->text = text;
    return TRUE;
}

}  // namespace

void MessageBoxWatcher::Run() {
    while (!stop_) {
        Search search;
        ::EnumWindows(CollectBoxes, reinterpret_cast<LPARAM>(&search));
        for (HWND box : search.boxes) {
            bool known = false;
            for (HWND h : handled_) known = known || h == box;
            if (known) continue;
            ::Sleep(50);  // let the box finish laying out its texts
            BoxContent content;
            ::EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&content));
            SeenMessage seen;
            seen.text = content.text;
            seen.hasIcon = content.icon;
            seen.owner = ::GetWindow(box, GW_OWNER);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                seen_.push_back(seen);
            }
            handled_.push_back(box);
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        ::Sleep(30);
    }
}

namespace {

const char kSimKey[] = "Software\\FirmwareSim";

}  // namespace

DWORD SimWord(const char* name, DWORD fallback) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSimKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return fallback;
    fw::RegKey owned(key);
    DWORD type = 0, value = 0, size = sizeof(value);
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return fallback;
    return value;
}

void SetSimWord(const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSimKey, 0, nullptr, 0, KEY_SET_VALUE,
                                               nullptr, &key, nullptr));
    fw::RegKey owned(key);
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                              sizeof(value)));
}

bool SimulatorRegistered() {
    static const bool registered = [] {
        fw::ComPtr<IWbemLocator> locator;
        HRESULT hr = ::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                        locator.PutVoid());
        return SUCCEEDED(hr) && ::GetModuleHandleA("FirmwareSim.dll") != nullptr;
    }();
    return registered;
}

const ItemTexts& Texts() {
    static const ItemTexts texts = ItemTexts::Load();
    return texts;
}

namespace {

// COM as the panel sets it up, once for the whole test program.
const auto* const g_comEnvironment = ::testing::AddGlobalTestEnvironment(new SuiteComEnvironment);

}  // namespace
