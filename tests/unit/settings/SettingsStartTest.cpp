// Tallyset's start in this process: as a user who is not an administrator (which a Wine prefix
// cannot provide: its user always is one) through the rights seam, against the administrator's
// start; and the bounded wait for an open panel to close.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include "Encoding.h"
#include "FixedRights.h"
#include "MenuItemRecord.h"
#include "RegistrySnapshot.h"
#include "RightsProbe.h"
#include "SettingsProgram.h"
#include "TallysetApp.h"

namespace {

bool KoreanUi() { return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_KOREAN; }

// What showed up on the screen of this process while the program started, each answered the
// way a user would: the message box confirmed, the settings dialog closed.
struct Seen {
    std::wstring messageText;
    std::wstring messageCaption;
    bool informationIcon = false;
    bool settingsDialog = false;
    bool mutexHeldWhileOpen = false;
};

BOOL CALLBACK Answer(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != ::GetCurrentProcessId() || !::IsWindowVisible(hwnd)) return TRUE;
    auto* seen = reinterpret_cast<Seen*>(param);
    wchar_t title[256] = {};
    ::GetWindowTextW(hwnd, title, 256);
    if (std::wstring(title) == L"Cor Vela") {
        wchar_t text[512] = {};
        ::GetDlgItemTextW(hwnd, 0xFFFF, text, 512);
        seen->messageText = text;
        seen->messageCaption = title;
        // The icon is a static control (id 0x14 on Windows, 0x440 in Wine) that shows one only
        // when the box was asked for one.
        HWND icon = ::GetDlgItem(hwnd, 0x14) ? ::GetDlgItem(hwnd, 0x14) : ::GetDlgItem(hwnd, 0x440);
        seen->informationIcon = icon && ::SendMessageW(icon, STM_GETICON, 0, 0) != 0;
        ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    } else if (::GetDlgItem(hwnd, 1011) && ::GetDlgItem(hwnd, 1008)) {
        seen->settingsDialog = true;
        seen->mutexHeldWhileOpen = IsSettingsProgramRunning();
        ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

Seen StartWith(const IRightsProbe& rights) {
    Seen seen;
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        while (!done) {
            ::EnumWindows(&Answer, reinterpret_cast<LPARAM>(&seen));
            ::Sleep(50);
        }
    });
    CTallysetApp app(rights);
    EXPECT_FALSE(app.InitInstance()) << "the dialog is the program: no message loop follows";
    done = true;
    watcher.join();
    return seen;
}

TEST(StartAsUser, OnlyAnAdministratorGetsTheDialog) {
    if (std::getenv("SETTINGS_EXPECT_KOREAN")) {
        ASSERT_TRUE(KoreanUi()) << "the Korean locale did not reach the test";
    }
    suite::RegistrySnapshot store(HKEY_CURRENT_USER, kStoreKeyPath);
    const suite::RegistryImage before = suite::RegistrySnapshot::ImageOf(HKEY_CURRENT_USER, kStoreKeyPath);

    const Seen user = StartWith(CFixedRightsProbe(false));
    EXPECT_EQ(suite::FromUtf8(KoreanUi() ? "컴퓨터 관리자만 사용 가능 합니다." : "Use only Administrator."), user.messageText);
    EXPECT_EQ(L"Cor Vela", user.messageCaption);
    EXPECT_TRUE(user.informationIcon);
    EXPECT_FALSE(user.settingsDialog);
    EXPECT_TRUE(before == suite::RegistrySnapshot::ImageOf(HKEY_CURRENT_USER, kStoreKeyPath)) << "the store was touched";
    EXPECT_FALSE(IsSettingsProgramRunning()) << "the mutex outlived the start";

    const Seen administrator = StartWith(CFixedRightsProbe(true));
    EXPECT_TRUE(administrator.settingsDialog);
    EXPECT_TRUE(administrator.mutexHeldWhileOpen);
    EXPECT_EQ(L"", administrator.messageText);
    EXPECT_FALSE(IsSettingsProgramRunning());
}

// A window of another thread that goes `delayMs` after WM_CLOSE, or ignores it (negative).
LRESULT CALLBACK SlowToClose(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const int delay = static_cast<int>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_CLOSE) {
        if (delay >= 0) ::SetTimer(hwnd, 1, static_cast<UINT>(delay), nullptr);
        return 0;
    }
    if (message == WM_TIMER) {
        ::DestroyWindow(hwnd);
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(PanelClose, TheStartWaitsForTheWindowToGoButNotForever) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &SlowToClose;
    wc.lpszClassName = "SlowToClose";
    ::RegisterClassA(&wc);
    const char kTitle[] = "Slow panel stand-in";
    const DWORD kTimeoutMs = 1000;
    const struct {
        const char* what;
        int delayMs;  // -2: no window at all
        bool gone;
        DWORD atLeastMs, atMostMs;
    } cases[] = {
        {"no window", -2, true, 0, 200},
        {"closes after 400 ms", 400, true, 350, 900},
        {"never closes", -1, false, kTimeoutMs, kTimeoutMs + 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::atomic<bool> ready{c.delayMs == -2};
        DWORD threadId = 0;
        std::thread owner;
        if (c.delayMs != -2) {
            owner = std::thread([&] {
                threadId = ::GetCurrentThreadId();
                HWND w = ::CreateWindowExA(0, "SlowToClose", kTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
                ::SetWindowLongPtrA(w, GWLP_USERDATA, c.delayMs);
                ready = true;
                MSG msg;
                while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
                if (::IsWindow(w)) ::DestroyWindow(w);
            });
        }
        while (!ready) ::Sleep(5);
        const DWORD start = ::GetTickCount();
        EXPECT_EQ(c.gone, CloseWindowAndWait(kTitle, kTimeoutMs));
        const DWORD elapsed = ::GetTickCount() - start;
        EXPECT_GE(elapsed + 20, c.atLeastMs);
        EXPECT_LE(elapsed, c.atMostMs);
        if (owner.joinable()) {
            ::PostThreadMessageA(threadId, WM_QUIT, 0, 0);
            owner.join();
        }
    }
}

}  // namespace
