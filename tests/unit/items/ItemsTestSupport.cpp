#include "ItemsTestSupport.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "SuiteComEnvironment.h"

namespace {

int g_counter = 0;

}  // namespace

bool KoreanInterface() { return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_KOREAN; }

bool NothingStarted(const std::string& log, DWORD quietMs) {
    return suite::NeverWithin([&] { return !ReadFileText(log).empty(); }, quietMs);
}

void CloseWindowsOfClass(const char* windowClass) {
    suite::WaitUntil(
        [&] {
            HWND wnd = ::FindWindowA(windowClass, nullptr);
            if (wnd) ::PostMessageA(wnd, WM_CLOSE, 0, 0);
            return wnd == nullptr;
        },
        2000, 100);
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

const ItemTexts& Texts() {
    static const ItemTexts texts = ItemTexts::Load();
    return texts;
}

namespace {

// COM as the panel sets it up, once for the whole test program.
const auto* const g_comEnvironment = ::testing::AddGlobalTestEnvironment(new SuiteComEnvironment);

}  // namespace
