// The real Perchlet.exe on Wine's task bar, driven from outside as the user, the shell and the
// other programs of the suite drive it: its start rules, its icon, the callback messages the shell
// posts for clicks on the icon, the menu (opened once by a real right click), the About box, the
// ways it is told to end, a shell restart, and the panel that starts and stops it.
//
// The menu, the About box and the missing-menu-host message are also run under the Korean locale
// (ctest entry system_tests_korean). Every test puts the store back as it found it.
#include <gtest/gtest.h>

#include <string>

#include "PanelFacts.h"
#include "RegistrySnapshot.h"
#include "ScreenCapture.h"
#include "SuiteHarness.h"
#include "TrayFacts.h"

namespace {

using namespace suite::tray;
using suite::panel::kStoreKey;

const DWORD kPanelTimeoutMs = 30000;
const DWORD kQuietMs = 1500;  // long enough for a started program to show a window

bool KoreanUi() { return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_KOREAN; }
const char* LanguageTag() { return KoreanUi() ? "ko" : "en"; }
std::wstring Text(const char* english, const char* korean) { return suite::FromUtf8(KoreanUi() ? korean : english); }

// A visible dialog of process `pid` (the About box, a message box), or null.
HWND VisibleDialogOf(DWORD pid) {
    for (HWND w = ::FindWindowA("#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr))
        if (suite::WindowProcess(w) == pid && ::IsWindowVisible(w)) return w;
    return nullptr;
}

int DialogsOf(DWORD pid) {
    int count = 0;
    for (HWND w = ::FindWindowA("#32770", nullptr); w; w = ::FindWindowExA(nullptr, w, "#32770", nullptr))
        count += suite::WindowProcess(w) == pid ? 1 : 0;
    return count;
}

// The tip window the task bar shows over an icon, when one shows.
HWND VisibleTipOfTheTaskBar() {
    HWND bar = ::FindWindowA("Shell_TrayWnd", nullptr);
    for (HWND w = ::FindWindowA("tooltips_class32", nullptr); w; w = ::FindWindowExA(nullptr, w, "tooltips_class32", nullptr))
        if (::GetWindow(w, GW_OWNER) == bar && ::IsWindowVisible(w)) return w;
    return nullptr;
}

void PostCallback(HWND notify, UINT id, UINT mouseMessage) {
    ::PostMessageA(notify, kCallbackMessage, id, mouseMessage);
}

class PerchletTrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        suite::panel::CloseAnyPanel(kTimeoutMs);
        suite::EndProgramsWithWindow(kTitle, kTimeoutMs);
        ASSERT_TRUE(WaitForTrayGone());
        // The panel that a double click opens must not close the tray program again.
        suite::SetDword(kStoreKey, "TrayChk", 1);
    }
    void TearDown() override {
        suite::panel::CloseAnyPanel(kTimeoutMs);
        EXPECT_TRUE(suite::EndProgramsWithWindow(kTitle, kTimeoutMs));
        tray_.WaitForExit(kTimeoutMs);
    }

    // Starts Perchlet.exe from dist and waits for its icon; its notification window.
    HWND StartTray(const char* arguments = nullptr) {
        tray_ = suite::ProgramRun::Start("Perchlet.exe", arguments);
        EXPECT_TRUE(tray_.Started());
        HWND notify = WaitForIcon();
        EXPECT_NE(nullptr, notify) << "no icon in the notification area";
        return notify;
    }

    // Declared before tray_: put back only after the program has gone.
    suite::RegistrySnapshot store_{HKEY_CURRENT_USER, kStoreKey};
    suite::ProgramRun tray_;
};

// One start: two hidden windows titled "Cor Vela", the mutex and one icon the shell holds for the
// notification window. A second start ends by itself and changes nothing.
TEST_F(PerchletTrayTest, ShowsOneIconAndASecondStartEndsSilently) {
    HWND notify = StartTray();
    ASSERT_NE(nullptr, notify);
    HWND frame = FindFrame();
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(2u, TitledWindows().size());
    EXPECT_EQ(tray_.Pid(), suite::WindowProcess(frame));
    EXPECT_EQ(tray_.Pid(), suite::WindowProcess(notify));
    EXPECT_FALSE(::IsWindowVisible(frame));
    EXPECT_FALSE(::IsWindowVisible(notify));
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, suite::Style(frame) & WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(suite::Style(notify) & WS_POPUP);
    const RECT r = suite::WindowRect(notify);
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(0, r.top);
    EXPECT_EQ(10, r.right - r.left);
    EXPECT_EQ(10, r.bottom - r.top);
    EXPECT_TRUE(MutexExists());
    // The pointer on the icon brings up its tip, "Cor Vela", for the picture.
    const POINT icon = IconCentre();
    suite::XdoTool("mousemove " + std::to_string(icon.x) + " " + std::to_string(icon.y));
    EXPECT_TRUE(suite::WaitUntil([] { return VisibleTipOfTheTaskBar() != nullptr; }, kTimeoutMs)) << "no tip";
    EXPECT_FALSE(suite::SaveScreenshot(std::string("perchlet-icon-") + LanguageTag()).empty());
    suite::XdoTool("mousemove 512 300");

    suite::ProgramRun second = suite::ProgramRun::Start("Perchlet.exe");
    ASSERT_TRUE(second.Started());
    EXPECT_TRUE(second.WaitForExit(kTimeoutMs)) << "a second instance stays";
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_EQ(nullptr, VisibleDialogOf(second.Pid()));
    EXPECT_EQ(2u, TitledWindows().size());
    EXPECT_EQ(1, IconsShown());
    EXPECT_TRUE(tray_.Running());
}

struct StartCase {
    const char* name;
    bool storeKey;
    DWORD type;       // of "TrayChk"; REG_NONE: no such value
    ULONGLONG value;  // its bytes, little-endian
    DWORD size;
    const char* arguments;
    bool runs;
    bool keyKept;
};

class TrayStartRuleTest : public PerchletTrayTest, public ::testing::WithParamInterface<StartCase> {};

// "TrayChk" is read strictly (only a 4-byte REG_DWORD 0 switches the icon off, and it is tested
// before the command line); only the number 6053 deletes the settings key, and a start that should
// delete a key that is not there ends.
TEST_P(TrayStartRuleTest, FollowsTheTraySettingAndTheCommandLine) {
    const StartCase& c = GetParam();
    suite::DeleteTree(kStoreKey);
    if (c.storeKey) {
        ASSERT_TRUE(suite::SetDword(kStoreKey, "Marker", 7));
        fw::RegKey key;
        ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, KEY_SET_VALUE, key.Put()));
        if (c.type != REG_NONE)
            ::RegSetValueExA(key.Get(), "TrayChk", 0, c.type, reinterpret_cast<const BYTE*>(&c.value), c.size);
    }

    tray_ = suite::ProgramRun::Start("Perchlet.exe", c.arguments);
    ASSERT_TRUE(tray_.Started());
    if (c.runs) {
        EXPECT_NE(nullptr, WaitForIcon()) << "the icon should show";
    } else {
        EXPECT_TRUE(tray_.WaitForExit(kTimeoutMs)) << "the program should end at once";
        EXPECT_TRUE(TitledWindows().empty());
        EXPECT_EQ(0, IconsShown());
    }
    DWORD marker = 0;
    EXPECT_EQ(c.keyKept, suite::ReadDword(kStoreKey, "Marker", &marker)) << "settings key kept?";
    if (!c.storeKey) {
        EXPECT_FALSE(suite::KeyExists(kStoreKey));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Perchlet, TrayStartRuleTest,
    ::testing::Values(StartCase{"SwitchedOff", true, REG_DWORD, 0, 4, nullptr, false, true},
                      StartCase{"SwitchedOffBeforeDeleting", true, REG_DWORD, 0, 4, "6053", false, true},
                      StartCase{"On", true, REG_DWORD, 1, 4, nullptr, true, true},
                      StartCase{"Two", true, REG_DWORD, 2, 4, nullptr, true, true},
                      StartCase{"NoValue", true, REG_NONE, 0, 0, nullptr, true, true},
                      StartCase{"StringZero", true, REG_SZ, '0', 2, nullptr, true, true},
                      StartCase{"BinaryZero", true, REG_BINARY, 0, 4, nullptr, true, true},
                      StartCase{"QwordZero", true, REG_QWORD, 0, 8, nullptr, true, true},
                      StartCase{"ShortDwordZero", true, REG_DWORD, 0, 2, nullptr, true, true},
                      StartCase{"DeletesTheSettings", true, REG_DWORD, 1, 4, " 6053 ", true, false},
                      StartCase{"NothingToDelete", false, REG_NONE, 0, 0, "6053", false, false},
                      StartCase{"TrailingLetter", true, REG_DWORD, 1, 4, "6053x", true, true},
                      StartCase{"LongerNumber", true, REG_DWORD, 1, 4, "16053", true, true}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return info.param.name; });

// The shell's callback as it posts it: single clicks and another icon's double click do nothing,
// this icon's double click opens the panel, the next one closes it.
TEST_F(PerchletTrayTest, DoubleClickTogglesThePanel) {
    HWND notify = StartTray();
    ASSERT_NE(nullptr, notify);
    PostCallback(notify, kIconId, WM_LBUTTONDOWN);
    PostCallback(notify, kIconId, WM_LBUTTONUP);
    PostCallback(notify, kIconId + 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(suite::NeverWithin([] { return ::FindWindowA(nullptr, kPanelTitle) != nullptr; }, kQuietMs))
        << "a single click opened the panel";

    PostCallback(notify, kIconId, WM_LBUTTONDBLCLK);
    HWND panel = suite::WaitForWindow(suite::panel::kPanelTitle, kPanelTimeoutMs);
    ASSERT_NE(nullptr, panel) << "the double click did not open the panel";
    EXPECT_TRUE(suite::panel::WaitPlaced(panel, kPanelTimeoutMs));
    PostCallback(notify, kIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(suite::WaitForWindowGone(suite::panel::kPanelTitle, kPanelTimeoutMs)) << "the panel stays open";
    EXPECT_TRUE(tray_.Running());
    EXPECT_TRUE(ShellHoldsIcon(notify));
}

// Installed without Corvela.exe: a double click says so in a message box owned by the notification
// window, and the icon stays.
TEST_F(PerchletTrayTest, ReportsAMissingMenuHostAndStays) {
    suite::ScratchFolder install("perchlet-alone");
    const std::string exe = install.Join("Perchlet.exe");
    ASSERT_TRUE(::CopyFileA(suite::DistFile("Perchlet.exe").c_str(), exe.c_str(), FALSE));
    tray_ = suite::ProgramRun::StartFile(exe, nullptr, install.Path());
    HWND notify = WaitForIcon();
    ASSERT_NE(nullptr, notify);

    PostCallback(notify, kIconId, WM_LBUTTONDBLCLK);
    HWND box = suite::WaitForWindow(kTitle, kTimeoutMs, "#32770");
    ASSERT_NE(nullptr, box) << "no message box titled Cor Vela";
    EXPECT_EQ(notify, ::GetWindow(box, GW_OWNER));
    const std::wstring text = suite::WindowTextW(::GetDlgItem(box, 0xFFFF));
    EXPECT_EQ(Text("No exist Corvela Program\nExecute after Re-Install Program",
                   "Corvela 프로그램이 존재 하지 않습니다.\n프로그램을 다시 설치 후 사용 하십시오."),
              text);
    suite::SaveScreenshot(std::string("perchlet-no-corvela-") + LanguageTag());
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(suite::WaitUntil([&] { return !::IsWindow(box); }, kTimeoutMs));
    EXPECT_TRUE(tray_.Running());
    EXPECT_TRUE(ShellHoldsIcon(notify));
    EXPECT_EQ(1, IconsShown());
}

// A real right click on the icon opens the menu at the pointer; its first item opens the About
// box; About again leaves one box; the box's button hides it; Exit ends the program with its icon.
TEST_F(PerchletTrayTest, MenuFromARightClickAboutAndExit) {
    HWND notify = StartTray();
    ASSERT_NE(nullptr, notify);
    HWND frame = FindFrame();
    const POINT icon = IconCentre();
    ASSERT_TRUE(suite::XdoTool("mousemove " + std::to_string(icon.x) + " " + std::to_string(icon.y) + " click 3"));
    HWND menu = nullptr;
    ASSERT_TRUE(suite::WaitUntil([&] { return (menu = ::FindWindowA("#32768", nullptr)) && ::IsWindowVisible(menu); },
                                 kTimeoutMs))
        << "no pop-up menu";
    const RECT m = suite::WindowRect(menu);
    EXPECT_TRUE(m.left <= icon.x && icon.x <= m.right && m.bottom <= icon.y) << "the menu opens at the pointer";
    // Onto the first item, which lights up and sends the icon's tip away.
    const std::string first = std::to_string((m.left + m.right) / 2) + " " + std::to_string(m.top + 10);
    suite::XdoTool("mousemove " + first);
    suite::Settle(400);
    EXPECT_FALSE(suite::SaveScreenshot(std::string("perchlet-menu-") + LanguageTag()).empty());
    ASSERT_TRUE(suite::XdoTool("click 1"));

    HWND about = nullptr;
    ASSERT_TRUE(suite::WaitUntil([&] { return (about = VisibleDialogOf(tray_.Pid())) != nullptr; }, kTimeoutMs))
        << "About did not open";
    EXPECT_EQ(frame, ::GetWindow(about, GW_OWNER));
    EXPECT_EQ(Text("About", "프로그램 정보"), suite::WindowTextW(about));
    EXPECT_EQ(Text("Opens the Cor Vela menu from the tray.", "트레이에서 Cor Vela 메뉴를 엽니다."),
              suite::WindowTextW(::GetDlgItem(about, 1000)));
    EXPECT_EQ(Text("OK", "확인"), suite::WindowTextW(::GetDlgItem(about, 1002)));
    suite::SaveScreenshot(std::string("perchlet-about-") + LanguageTag());

    ::PostMessageA(frame, WM_COMMAND, kCommandAbout, 0);
    ASSERT_TRUE(suite::WaitUntil([&] { return !::IsWindow(about) && VisibleDialogOf(tray_.Pid()); }, kTimeoutMs));
    EXPECT_EQ(1, DialogsOf(tray_.Pid())) << "About twice leaves one box";
    about = VisibleDialogOf(tray_.Pid());
    ::PostMessageA(about, WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(about, 1002)));
    EXPECT_TRUE(suite::WaitUntil([&] { return !::IsWindowVisible(about); }, kTimeoutMs)) << "OK leaves it open";

    ::PostMessageA(frame, WM_COMMAND, kCommandExit, 0);
    EXPECT_TRUE(tray_.WaitForExit(kTimeoutMs));
    EXPECT_TRUE(WaitForTrayGone());
    EXPECT_FALSE(ShellHoldsIcon(notify));
}

struct EndCase {
    const char* name;
    bool toFrame;
    UINT message;
};

class TrayEndTest : public PerchletTrayTest, public ::testing::WithParamInterface<EndCase> {};

// Other programs find either window by the title and post WM_CLOSE or 3935: each ends the whole
// program, its mutex and its icon.
TEST_P(TrayEndTest, EitherWindowEndsTheProgram) {
    HWND notify = StartTray();
    ASSERT_NE(nullptr, notify);
    ::PostMessageA(GetParam().toFrame ? FindFrame() : notify, GetParam().message, 0, 0);
    EXPECT_TRUE(tray_.WaitForExit(kTimeoutMs)) << "the process stays";
    EXPECT_TRUE(WaitForTrayGone()) << "windows, mutex or icon left";
    EXPECT_FALSE(ShellHoldsIcon(notify));
}

INSTANTIATE_TEST_SUITE_P(Perchlet, TrayEndTest,
                         ::testing::Values(EndCase{"CloseFrame", true, WM_CLOSE},
                                           EndCase{"ExitMessageToFrame", true, kExitMessage},
                                           EndCase{"CloseNotifyWindow", false, WM_CLOSE},
                                           EndCase{"ExitMessageToNotifyWindow", false, kExitMessage}),
                         [](const ::testing::TestParamInfo<EndCase>& info) { return info.param.name; });

// A restarted shell has forgotten the icon and broadcasts "TaskbarCreated" (Wine never does; the
// test does): the icon comes back. The same broadcast with the icon still there leaves one icon.
TEST_F(PerchletTrayTest, TaskbarCreatedBringsTheIconBack) {
    HWND notify = StartTray();
    ASSERT_NE(nullptr, notify);
    const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
    ASSERT_TRUE(DeleteIcon(notify));
    ASSERT_TRUE(suite::WaitUntil([] { return IconsShown() == 0; }, kTimeoutMs));

    ::PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
    EXPECT_TRUE(suite::WaitUntil([&] { return ShellHoldsIcon(notify) && IconsShown() == 1; }, kTimeoutMs));

    ::PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
    EXPECT_TRUE(suite::NeverWithin([&] { return !ShellHoldsIcon(notify) || IconsShown() != 1; }, kQuietMs));
    EXPECT_TRUE(ShellHoldsIcon(notify));
    EXPECT_EQ(1, IconsShown()) << "a second icon";
    EXPECT_TRUE(tray_.Running());
}

// The user's path through the tray setting: the panel starts the tray program when the setting
// is on, and ends it when it is off; the settings program's OK starts it, or posts 3935 to the
// window it finds by the title.
TEST_F(PerchletTrayTest, FollowsTheTraySettingOfThePanelAndTheSettingsProgram) {
    // The panel's first start brings the default items in; the setting survives it as 1.
    suite::DeleteTree(kStoreKey);
    suite::SetDword(kStoreKey, "TrayChk", 1);
    suite::ProgramRun panelRun = suite::ProgramRun::Start("Corvela.exe");
    HWND panel = suite::WaitForWindow(suite::panel::kPanelTitle, kPanelTimeoutMs);
    ASSERT_NE(nullptr, panel);
    EXPECT_NE(nullptr, WaitForIcon()) << "the panel did not start the tray program";
    suite::panel::CloseAnyPanel(kTimeoutMs);
    panelRun.WaitForExit(kTimeoutMs);

    suite::SetDword(kStoreKey, "TrayChk", 0);
    panelRun = suite::ProgramRun::Start("Corvela.exe");
    ASSERT_NE(nullptr, suite::WaitForWindow(suite::panel::kPanelTitle, kPanelTimeoutMs));
    EXPECT_TRUE(WaitForTrayGone()) << "the panel did not end the tray program";
    suite::panel::CloseAnyPanel(kTimeoutMs);
    panelRun.WaitForExit(kTimeoutMs);

    // The settings program on OK with the box checked, then unchecked.
    suite::SetDword(kStoreKey, "TrayChk", 1);
    const std::string exe = suite::DistFile("Perchlet.exe");
    ::ShellExecuteA(nullptr, nullptr, exe.c_str(), nullptr, suite::DistDir().c_str(), SW_SHOWNORMAL);
    ASSERT_NE(nullptr, WaitForIcon());
    suite::SetDword(kStoreKey, "TrayChk", 0);
    ::PostMessageA(::FindWindowA(nullptr, kTitle), kExitMessage, 0, 0);
    EXPECT_TRUE(WaitForTrayGone());
}

}  // namespace
