// What the real Corvela.exe does with the store and the tray program when it starts: an empty or
// damaged store comes back as the default item set (read from config.bin by the registry editor),
// a healthy one stays as it is, the tray setting survives a reset only as 1, the index file lives
// exactly as long as the panel, and the tray program is started, told to go, or reported missing.
//
// The same program runs under the Korean locale as the ctest entry system_tests_korean (the
// locale of a Wine process comes from its Unix environment at start, which a child inherits; an
// environment block handed to CreateProcess does not change it), where the default items show
// their Korean names, the missing tray program is reported in Korean and the Korean background is
// drawn. Every test puts the store, the machine defaults and the firmware simulator's state back
// as it found them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelFacts.h"
#include "RegistrySnapshot.h"
#include "ScreenCapture.h"
#include "Stub.h"
#include "SuiteHarness.h"

namespace {

using namespace suite::panel;

const char* const kTrayTitle = kTrayWindowTitle;
// A start that resets the store waits for the registry editor: give it room under load.
const DWORD kStartTimeoutMs = 30000;
const DWORD kCloseTimeoutMs = 10000;
const DWORD kTrayTimeoutMs = 15000;
// Firmware word 0_49 with the wireless LAN on and Bluetooth off: the captions name the opposite.
const DWORD kRadioWord = 0x1;
const int kBackgroundKorean = 178;
const int kBackgroundEnglish = 201;

bool KoreanSystem() { return ::GetSystemDefaultLCID() == 0x412; }
const char* LanguageTag() { return KoreanSystem() ? "ko" : "en"; }

// The first page of the default item set: the names in config.bin, with the radio captions that
// the panel writes from the firmware state (word kRadioWord: the wireless LAN is on, Bluetooth off;
// the captions name the action), also on the start that brings the defaults in.
std::vector<std::wstring> DefaultLabels() {
    static const char* const kEnglish[] = {"Wireless Lan Off", "Bluetooth On",   "Brightness Control",
                                           "Monitor",          "Suspend",        "Hibernation",
                                           "Ambrosel",         "Corvela Setting"};
    static const char* const kKorean[] = {"무선랜 끄기", "블루투스 켜기", "밝기조절", "모니터 출력",
                                          "대기모드",    "최대절전모드",  "Ambrosel", "Corvela 설정"};
    std::vector<std::wstring> labels;
    for (const char* label : KoreanSystem() ? kKorean : kEnglish) labels.push_back(suite::FromUtf8(label));
    return labels;
}

std::wstring MissingTrayProgramText() {
    return suite::FromUtf8(KoreanSystem()
                               ? "시스템 트레이 아이콘 프로그램이 존재 하지 않습니다.\nCor Vela를 다시 "
                                 "설치 후 사용 하십시오."
                               : "Not Exist Cor Vela Program.\nExecute after Re-Install Cor Vela.");
}

std::wstring IndexNotWrittenText() {
    return suite::FromUtf8(KoreanSystem() ? "메뉴 목록 파일을 쓸 수 없습니다:"
                                          : "The menu list cannot be written:");
}

std::string ItemPath(const std::string& key) { return std::string(kStoreKey) + "\\" + key; }

// A store of `count` user items "Custom NN" (the first `checked` of them checked, in list order)
// and "TrayChk" = `trayCheck`, or no "TrayChk" at all when it is negative.
void WriteCustomStore(int count, int checked, long trayCheck) {
    suite::DeleteTree(kStoreKey);
    if (trayCheck >= 0) suite::SetDword(kStoreKey, "TrayChk", static_cast<DWORD>(trayCheck));
    for (int n = 1; n <= count; ++n) {
        char key[32];
        char label[32];
        wsprintfA(key, "Custom %02d", n);
        wsprintfA(label, "Custom %d", n);
        const std::string path = ItemPath(key);
        suite::SetString(path.c_str(), "0x409", label);
        suite::SetString(path.c_str(), "0x412", label);
        suite::SetString(path.c_str(), "Path", "C:\\nowhere\\custom.exe");
        suite::SetDword(path.c_str(), "Order", static_cast<DWORD>(n));
        suite::SetDword(path.c_str(), "Check", n <= checked ? 1 : 0);
        suite::SetDword(path.c_str(), "System", 0);
    }
    // A store key made without "TrayChk" must really lack it.
    if (trayCheck < 0) {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kStoreKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            ::RegDeleteValueA(key, "TrayChk");
            ::RegCloseKey(key);
        }
    }
}

std::vector<std::wstring> CustomLabels(int count) {
    std::vector<std::wstring> labels;
    for (int n = 1; n <= count; ++n) labels.push_back(L"Custom " + std::to_wstring(n));
    return labels;
}

// The labels of the item buttons that show, top to bottom.
std::vector<std::wstring> ShownLabels(HWND panel) {
    std::vector<std::wstring> labels;
    for (int id = 2001; id <= 2008; ++id) {
        HWND button = ::GetDlgItem(panel, id);
        if (button && ::IsWindowVisible(button)) labels.push_back(suite::WindowTextW(button));
    }
    return labels;
}

// The "Check" section of an index file: the display names of the checked items.
std::vector<std::wstring> CheckedInIndex(const std::string& indexPath) {
    const std::wstring path = suite::FromUtf8(indexPath.c_str());
    std::vector<std::wstring> names;
    const UINT count = ::GetPrivateProfileIntW(L"Check", L"Count", 0, path.c_str());
    for (UINT n = 1; n <= count && n <= 100; ++n) {
        wchar_t name[300] = {};
        ::GetPrivateProfileStringW(L"Check", std::to_wstring(n).c_str(), L"", name, 300, path.c_str());
        names.push_back(name);
    }
    return names;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::string Show(const std::vector<std::wstring>& labels) {
    std::string out;
    for (const std::wstring& l : labels) out += "[" + Narrow(l) + "]";
    return out;
}

class StartupStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseAnyPanel();
        suite::EndProgramsWithWindow(kTrayTitle, kCloseTimeoutMs);
        // The default items must come from config.bin alone: machine defaults would refill the
        // store before the panel checks it.
        suite::DeleteTree(kStoreKey, HKEY_LOCAL_MACHINE);
        SimSet("FailConnect", 0);
        SimSet("FailGet", 0);
        SimSet("0_49", kRadioWord);
        index_ = UserIndexFile();
        suite::DeleteFileIfAny(index_);
        suite::MovePointer(100, 100);  // off the panel: no stray hover
        suite::Settle(50);
    }

    void TearDown() override {
        CloseAnyPanel();
        run_.WaitForExit(kCloseTimeoutMs);
        run_.Terminate();
        ::RemoveDirectoryA(index_.c_str());  // a test may have put a folder in the index file's place
        EXPECT_TRUE(suite::EndProgramsWithWindow(kTrayTitle, kCloseTimeoutMs));
    }

    static void CloseAnyPanel() { suite::panel::CloseAnyPanel(kCloseTimeoutMs); }

    // Starts `exe` (Corvela.exe from dist unless given) and waits until its panel stands in its
    // place with the pointer on the first item.
    HWND StartPanel(const std::string& exe = std::string(), const std::string& folder = std::string()) {
        run_ = exe.empty() ? suite::ProgramRun::Start("Corvela.exe")
                           : suite::ProgramRun::StartFile(exe, nullptr, folder);
        EXPECT_TRUE(run_.Started());
        HWND panel = suite::WaitForWindow(kPanelTitle, kStartTimeoutMs);
        EXPECT_NE(nullptr, panel) << "no window titled Corvela";
        if (!panel) return nullptr;
        EXPECT_TRUE(WaitPlaced(panel));
        return panel;
    }

    static bool WaitPlaced(HWND panel) { return suite::panel::WaitPlaced(panel, kStartTimeoutMs); }

    // Closes the panel as a second start does and checks that nothing of it is left.
    void CloseAndExpectGone(const std::string& indexPath) {
        if (HWND open = ::FindWindowA(nullptr, kPanelTitle)) ::PostMessageA(open, WM_CLOSE, 0, 0);
        EXPECT_TRUE(suite::WaitForWindowGone(kPanelTitle, kCloseTimeoutMs));
        EXPECT_TRUE(run_.WaitForExit(kCloseTimeoutMs)) << "Corvela.exe still runs";
        EXPECT_FALSE(suite::FileExists(indexPath)) << "the index file outlived the panel";
    }

    static DWORD TrayCheck(bool* present) {
        DWORD value = 0;
        *present = suite::ReadDword(kStoreKey, "TrayChk", &value);
        return value;
    }

    // Declared before run_: put back only after the program has gone.
    suite::RegistrySnapshot store_{HKEY_CURRENT_USER, kStoreKey};
    suite::RegistrySnapshot machine_{HKEY_LOCAL_MACHINE, kStoreKey};
    suite::RegistrySnapshot sim_{HKEY_LOCAL_MACHINE, kSimKey, kSimView};
    suite::ProgramRun run_;
    std::string index_;
};

// A first start: the default items come in, the index file holds the checked ones while the
// panel is open, the buttons show their names in the system's language on the background of that
// language, and the index file goes with the panel.
TEST_F(StartupStoreTest, EmptyStoreComesBackAsTheDefaultItems) {
    suite::DeleteTree(kStoreKey);
    ASSERT_FALSE(suite::KeyExists(kStoreKey));
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);

    EXPECT_GE(suite::CountSubkeys(kStoreKey), 10);
    for (const char* key : {"Airvane", "Bluevane", "Suspend", "Hibernation", "Ambrosel", "Corvela Setting"})
        EXPECT_TRUE(suite::KeyExists(ItemPath(key).c_str())) << key;
    bool present = false;
    EXPECT_EQ(0u, TrayCheck(&present)) << "no earlier value: the reset writes 0";
    EXPECT_TRUE(present);

    const std::vector<std::wstring> expected = DefaultLabels();
    const std::vector<std::wstring> shown = ShownLabels(panel);
    EXPECT_EQ(expected, shown) << Show(shown);
    ASSERT_TRUE(suite::FileExists(index_)) << "the index file is written while the panel is open";
    EXPECT_EQ(expected, CheckedInIndex(index_)) << Show(CheckedInIndex(index_));

    EXPECT_FALSE(suite::SaveScreenshot(std::string("startup-defaults-") + LanguageTag()).empty());
    // Only the picture tells which background was drawn: the two differ in the subtitle and the
    // key hints, which no button covers.
    suite::MovePointer(100, 100);  // no hover look near the hints
    suite::Settle(300);
    EXPECT_TRUE(suite::ShowsLocaleBackground(kPlaced, kBackgroundKorean, kBackgroundEnglish, 500));

    CloseAndExpectGone(index_);

    // The store is healthy now: the next start keeps it as it is.
    const int keys = suite::CountSubkeys(kStoreKey);
    panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ(keys, suite::CountSubkeys(kStoreKey));
    EXPECT_EQ(DefaultLabels(), ShownLabels(panel)) << Show(ShownLabels(panel));
    CloseAndExpectGone(index_);
}

struct DamagedCase {
    const char* name;
    long trayBefore;  // -1: no "TrayChk"
    DWORD trayAfter;
};

class DamagedStoreTest : public StartupStoreTest, public ::testing::WithParamInterface<DamagedCase> {};

// Nine item keys are too few: the store is wiped (the user's keys go) and the default set comes
// back; the tray setting stays on only when it was exactly 1.
TEST_P(DamagedStoreTest, NineItemKeysAreReplacedByTheDefaults) {
    const DamagedCase& c = GetParam();
    WriteCustomStore(9, 9, c.trayBefore);
    ASSERT_EQ(9, suite::CountSubkeys(kStoreKey));
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);

    EXPECT_GE(suite::CountSubkeys(kStoreKey), 10);
    EXPECT_FALSE(suite::KeyExists(ItemPath("Custom 01").c_str())) << "the damaged store was not wiped";
    EXPECT_FALSE(suite::KeyExists(ItemPath("Custom 09").c_str()));
    for (const char* key : {"Airvane", "Bluevane", "Suspend", "Hibernation", "Ambrosel", "Corvela Setting"})
        EXPECT_TRUE(suite::KeyExists(ItemPath(key).c_str())) << key;
    bool present = false;
    EXPECT_EQ(c.trayAfter, TrayCheck(&present));
    EXPECT_TRUE(present);
    EXPECT_EQ(DefaultLabels(), ShownLabels(panel)) << Show(ShownLabels(panel));
    CloseAndExpectGone(index_);
}

INSTANTIATE_TEST_SUITE_P(TrayCheckKeptOnlyAsOne, DamagedStoreTest,
                         ::testing::Values(DamagedCase{"TrayOn", 1, 1}, DamagedCase{"TrayOff", 0, 0},
                                           DamagedCase{"TrayMissing", -1, 0}, DamagedCase{"TrayTwo", 2, 0}),
                         [](const ::testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

// Ten item keys are a healthy store, however unusual: nothing is reset. (The radio captions are
// still written, which makes keys "Airvane" and "Bluevane" that list nowhere.)
TEST_F(StartupStoreTest, TenItemKeysAreKept) {
    WriteCustomStore(10, 3, 0);
    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    for (int n = 1; n <= 10; ++n) {
        char key[32];
        wsprintfA(key, "Custom %02d", n);
        EXPECT_TRUE(suite::KeyExists(ItemPath(key).c_str())) << key;
    }
    for (const char* key : {"Suspend", "Hibernation", "Ambrosel", "Corvela Setting"})
        EXPECT_FALSE(suite::KeyExists(ItemPath(key).c_str())) << key << ": a healthy store was reset";
    EXPECT_EQ(CustomLabels(3), ShownLabels(panel)) << Show(ShownLabels(panel));
    EXPECT_EQ(CustomLabels(3), CheckedInIndex(index_));
    CloseAndExpectGone(index_);
}

// A settings run that ended without OK or Cancel leaves its flags and backups behind (written
// here as the settings dialog leaves them): the panel's start settles them. The deletion is
// undone, the rename stays, the addition stays unchecked, and no backup is left.
TEST_F(StartupStoreTest, LeftoversOfAnUnfinishedSettingsRunAreSettled) {
    WriteCustomStore(10, 3, 0);
    const std::string deleted = ItemPath("Custom 02");
    const std::string renamed = ItemPath("Custom 03");
    const std::string added = ItemPath("Added");
    for (const std::string* key : {&deleted, &renamed}) {
        const std::string backup = *key + "\\Backup";
        suite::SetString(backup.c_str(), "Path", "C:\\nowhere\\custom.exe");
        suite::SetDword(backup.c_str(), "Update", 0);
        suite::SetString(backup.c_str(), "TempName", "");
    }
    suite::SetDword(deleted.c_str(), "Delete", 1);
    suite::SetDword(renamed.c_str(), "Update", 1);
    suite::SetString(renamed.c_str(), "TempName", "Custom 3");
    suite::SetString(renamed.c_str(), "0x409", "Renamed 3");
    suite::SetString(renamed.c_str(), "0x412", "Renamed 3");
    suite::SetString(added.c_str(), "0x409", "Added");
    suite::SetDword(added.c_str(), "Order", 11);
    suite::SetDword(added.c_str(), "New", 1);

    HWND panel = StartPanel();
    ASSERT_NE(nullptr, panel);
    const std::vector<std::wstring> expected = {L"Custom 1", L"Custom 2", L"Renamed 3"};
    EXPECT_EQ(expected, ShownLabels(panel)) << Show(ShownLabels(panel));
    for (const std::string* key : {&deleted, &renamed})
        EXPECT_FALSE(suite::KeyExists((*key + "\\Backup").c_str())) << *key;
    DWORD flag = 1;
    EXPECT_TRUE(suite::ReadDword(deleted.c_str(), "Delete", &flag) && flag == 0);
    EXPECT_TRUE(suite::ReadDword(renamed.c_str(), "Update", &flag) && flag == 0);
    EXPECT_EQ(L"", suite::ReadTextW(renamed.c_str(), "TempName"));
    EXPECT_TRUE(suite::ReadDword(added.c_str(), "New", &flag) && flag == 0);
    CloseAndExpectGone(index_);
}

// An index file that cannot be written (a folder stands in its place) is reported in a message box
// in the interface language; the panel does not open as an empty menu, and the program ends.
TEST_F(StartupStoreTest, AnIndexFileThatCannotBeWrittenIsReportedNotShownAsAnEmptyMenu) {
    WriteCustomStore(10, 3, 0);
    ASSERT_FALSE(index_.empty());
    for (std::size_t at = index_.find('\\', 3); at != std::string::npos; at = index_.find('\\', at + 1))
        ::CreateDirectoryA(index_.substr(0, at).c_str(), nullptr);
    ASSERT_TRUE(::CreateDirectoryA(index_.c_str(), nullptr)) << index_;
    run_ = suite::ProgramRun::Start("Corvela.exe");
    ASSERT_TRUE(run_.Started());
    HWND box = suite::WaitForWindow(kTrayTitle, kStartTimeoutMs, "#32770");
    ASSERT_NE(nullptr, box) << "no message box titled Cor Vela";
    EXPECT_EQ(IndexNotWrittenText() + L"\n" + suite::FromUtf8(index_.c_str()),
              suite::WindowTextW(::GetDlgItem(box, 0xFFFF)))
        << Narrow(suite::WindowTextW(::GetDlgItem(box, 0xFFFF)));
    suite::SaveScreenshot(std::string("startup-index-not-written-") + LanguageTag());
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    bool panelShown = false;
    const bool ended = suite::WaitUntil(
        [&] {
            if (HWND panel = ::FindWindowA(nullptr, kPanelTitle)) {
                RECT r = suite::WindowRect(panel);
                panelShown = panelShown || (::IsWindowVisible(panel) && r.right > r.left);
            }
            return !run_.Running();
        },
        kCloseTimeoutMs, 5);
    EXPECT_TRUE(ended) << "Corvela.exe still runs";
    EXPECT_FALSE(panelShown) << "an empty menu was shown";
}

// The tray program rule, with the panel installed in a folder of its own beside a stand-in
// Perchlet.exe (the stub) that opens a window titled "Cor Vela" and logs what it receives.
class TrayRuleTest : public StartupStoreTest {
protected:
    void SetUp() override {
        StartupStoreTest::SetUp();
        ASSERT_FALSE(install_.Path().empty());
        corvela_ = install_.Join("Corvela.exe");
        tray_ = install_.Join("Perchlet.exe");
        log_ = install_.Join("perchlet.log");
        ASSERT_TRUE(::CopyFileA(suite::DistFile("Corvela.exe").c_str(), corvela_.c_str(), FALSE));
        ASSERT_TRUE(
            ::CopyFileA(suite::DistFile("config.bin").c_str(), install_.Join("config.bin").c_str(), FALSE));
        ASSERT_NO_FATAL_FAILURE(suite::InstallStub(install_.Path(), kTrayProgramFile, log_,
                                                   {std::string("title=") + kTrayTitle, "lifetime=60000"}));
        ASSERT_EQ(nullptr, ::FindWindowA(nullptr, kTrayTitle));
    }

    HWND StartInstalledPanel() { return StartPanel(corvela_, install_.Path()); }
    std::string Log() const { return suite::ReadFileText(log_); }
    bool WaitForLog(const std::string& part, DWORD timeoutMs) const {
        return suite::WaitUntil([&] { return Log().find(part) != std::string::npos; }, timeoutMs, 50);
    }

    suite::ScratchFolder install_{"corvela-install"};
    std::string corvela_, tray_, log_;
};

// "TrayChk" 1 and no tray window: the panel starts Perchlet.exe from its own folder, in that
// folder.
TEST_F(TrayRuleTest, StartsTheTrayProgramWhenItShouldRunAndDoesNot) {
    WriteCustomStore(10, 3, 1);
    ASSERT_NE(nullptr, StartInstalledPanel());
    ASSERT_TRUE(WaitForLog(" cwd ", kTrayTimeoutMs)) << "Perchlet.exe was not started: " << Log();
    EXPECT_NE(std::string::npos, Log().find(" start")) << Log();
    // The working folder is the install folder (with or without its trailing backslash).
    const std::string text = Log();
    const std::size_t at = text.find(" cwd ") + 5;
    std::string cwd = text.substr(at, text.find_first_of("\r\n", at) - at);
    if (!cwd.empty() && cwd.back() == '\\') cwd.pop_back();
    EXPECT_EQ(0, ::lstrcmpiA(install_.Path().c_str(), cwd.c_str())) << cwd;
    EXPECT_NE(nullptr, suite::WaitForWindow(kTrayTitle, kTrayTimeoutMs));
    // The index file is the user's, never in the folder the panel runs from (which a standard
    // user cannot write to).
    EXPECT_TRUE(suite::FileExists(index_));
    EXPECT_FALSE(suite::FileExists(install_.Join("Pellary.ini")));
    CloseAndExpectGone(index_);
    EXPECT_TRUE(suite::EndProgramsWithWindow(kTrayTitle, kCloseTimeoutMs));
}

// "TrayChk" anything but 1 with the tray window there: the window is told to close, once the
// panel opens.
TEST_F(TrayRuleTest, ClosesTheTrayProgramWhenItShouldNotRun) {
    for (long trayCheck : {0L, -1L}) {
        SCOPED_TRACE(trayCheck < 0 ? "TrayChk missing" : "TrayChk 0");
        suite::DeleteFileIfAny(log_);
        WriteCustomStore(10, 3, trayCheck);
        suite::ProgramRun tray = suite::ProgramRun::StartFile(tray_, nullptr, install_.Path());
        ASSERT_TRUE(tray.Started());
        ASSERT_NE(nullptr, suite::WaitForWindow(kTrayTitle, kTrayTimeoutMs)) << Log();
        ASSERT_TRUE(WaitForLog(" window ", kTrayTimeoutMs)) << Log();

        ASSERT_NE(nullptr, StartInstalledPanel());
        EXPECT_TRUE(WaitForLog(" msg 16 0 0", kTrayTimeoutMs))
            << "no WM_CLOSE reached the tray window: " << Log();
        EXPECT_TRUE(suite::WaitForWindowGone(kTrayTitle, kCloseTimeoutMs));
        EXPECT_TRUE(tray.WaitForExit(kCloseTimeoutMs)) << "the tray program did not end";
        EXPECT_NE(nullptr, ::FindWindowA(nullptr, kPanelTitle)) << "the panel stays open";
        CloseAndExpectGone(index_);
    }
}

// "TrayChk" 1, no tray window and no Perchlet.exe: the user is told in a message box owned by the
// panel, and the panel shows once it is dismissed, however that is done (a user's click or key goes
// through the X server; a posted OK is what another program would do), and stays until the user
// leaves it.
enum class Dismissal { PostedOk, ClickOnOk, EnterKey };

class TrayMessageTest : public TrayRuleTest, public ::testing::WithParamInterface<Dismissal> {};

TEST_P(TrayMessageTest, ReportsAMissingTrayProgramThenShowsThePanel) {
    ASSERT_TRUE(::DeleteFileA(tray_.c_str()));
    WriteCustomStore(10, 3, 1);
    run_ = suite::ProgramRun::StartFile(corvela_, nullptr, install_.Path());
    ASSERT_TRUE(run_.Started());
    HWND box = suite::WaitForWindow(kTrayTitle, kStartTimeoutMs, "#32770");
    ASSERT_NE(nullptr, box) << "no message box titled Cor Vela";
    HWND panel = ::FindWindowA(nullptr, kPanelTitle);
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ(panel, ::GetWindow(box, GW_OWNER)) << "the message box is modal to the panel";
    // The message text is the box's static control (id 0xFFFF).
    EXPECT_EQ(MissingTrayProgramText(), suite::WindowTextW(::GetDlgItem(box, 0xFFFF)))
        << Narrow(suite::WindowTextW(::GetDlgItem(box, 0xFFFF)));
    ASSERT_TRUE(suite::WaitUntil([&] { return ::GetForegroundWindow() == box; }, kCloseTimeoutMs))
        << "the message box does not hold the activation";
    suite::SaveScreenshot(std::string("startup-no-tray-program-") + LanguageTag());
    switch (GetParam()) {
        case Dismissal::PostedOk:
            ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            break;
        case Dismissal::ClickOnOk: {
            const POINT ok = suite::ControlMiddle(box, IDOK);
            ASSERT_TRUE(suite::XdoTool("mousemove " + std::to_string(ok.x) + " " + std::to_string(ok.y) +
                                       " click 1"));
            break;
        }
        case Dismissal::EnterKey:
            ASSERT_TRUE(suite::XdoTool("key Return"));
            break;
    }
    ASSERT_TRUE(suite::WaitUntil([&] { return !::IsWindow(box); }, kCloseTimeoutMs));

    EXPECT_EQ(panel, ::FindWindowA(nullptr, kPanelTitle)) << "the panel opens after the message";
    EXPECT_TRUE(WaitPlaced(panel));
    EXPECT_EQ(CustomLabels(3), ShownLabels(panel)) << Show(ShownLabels(panel));
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kTrayTitle));
    ASSERT_TRUE(suite::NeverWithin([&] { return ::FindWindowA(nullptr, kPanelTitle) != panel; }, 500))
        << "the panel closed after the message";
    // It holds the activation again: leaving it closes it as always.
    suite::ClickAt(300, 300);
    EXPECT_TRUE(suite::WaitForWindowGone(kPanelTitle, kCloseTimeoutMs))
        << "a click outside left the panel open";
    CloseAndExpectGone(index_);
}

std::string DismissalName(const ::testing::TestParamInfo<Dismissal>& info) {
    static const char* const kNames[] = {"PostedOk", "ClickOnOk", "EnterKey"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Dismissed, TrayMessageTest,
                         ::testing::Values(Dismissal::PostedOk, Dismissal::ClickOnOk, Dismissal::EnterKey),
                         DismissalName);

}  // namespace
