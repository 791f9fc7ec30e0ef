// The real Tallyset.exe from outside, as a user works with it: rows clicked, moved and checked,
// the editor filled in, OK and every way out, with the store compared byte for byte with an image
// taken when the dialog had opened. Runs once more under the Korean locale
// (system_tests_korean): texts, names under "0x412", Korean limits, screenshots.
#include <windows.h>
#include <psapi.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PanelFacts.h"
#include "RegistrySnapshot.h"
#include "RandomStore.h"
#include "ScreenCapture.h"
#include "SettingsSession.h"

namespace {

using namespace suite::settings;

const DWORD kCloseTimeoutMs = 8000;

// The name of a display-name value in the language the system runs in, and the other one.
const char* NameValue() { return ::GetSystemDefaultLCID() == 0x412 ? "0x412" : "0x409"; }
const char* OtherNameValue() { return ::GetSystemDefaultLCID() == 0x412 ? "0x409" : "0x412"; }

// A number of an item key (named in UTF-8); ~0 when missing.
DWORD Number(const std::string& key, const char* value) {
    DWORD n = 0xFFFFFFFF;
    DWORD size = sizeof(n);
    ::SHGetValueW(HKEY_CURRENT_USER, suite::FromUtf8(ItemPath(key).c_str()).c_str(), suite::FromUtf8(value).c_str(),
                  nullptr, &n, &size);
    return n;
}

std::wstring Text(const std::string& key, const char* value) { return suite::ReadTextW(ItemPath(key).c_str(), value); }

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        suite::panel::CloseAnyPanel(kCloseTimeoutMs);
        index_ = suite::panel::UserIndexFile();
        suite::DeleteFileIfAny(index_);
        suite::MovePointer(5, 5);
    }
    // A program left running by a failed test ends with its Session or ProgramRun.
    void TearDown() override { suite::panel::CloseAnyPanel(kCloseTimeoutMs); }

    // The store written, the dialog open on it, and the store's image as the run found it.
    std::unique_ptr<Session> Open(const std::vector<StoreItem>& items, DWORD trayCheck = 0, int fillers = 0) {
        WriteStore(items, trayCheck, fillers);
        auto session = std::make_unique<Session>();
        EXPECT_TRUE(session->Open()) << "no settings dialog";
        if (session->Open()) {
            EXPECT_TRUE(suite::WaitUntil([&] { return session->List().Count() == int(items.size()) + fillers; },
                                         kStepTimeoutMs));
        }
        start_ = StoreImage();
        return session;
    }

    void ExpectStoreAsFound() { EXPECT_EQ("", Differences(start_, StoreImage())); }

    suite::RegistrySnapshot store_{HKEY_CURRENT_USER, kStoreKey};
    suite::RegistrySnapshot machine_{HKEY_LOCAL_MACHINE, kStoreKey};
    suite::RegistryImage start_;
    std::string index_;
};

// What the user does in one run, and how it ends.
struct UserRun {
    const char* name;
    std::vector<StoreItem> items;
    std::function<void(Session&)> edits;
    int end;  // kOk or kCancel
    // After OK: the store as it must be now (Cancel: as the run found it).
    std::function<void()> expectAfterOk;
};

const std::vector<StoreItem> kTwoUsers = {
    {"X", "X", "C:\\apps\\x.exe", 0, 0, 1},
    {"Y", "Y", "C:\\apps\\y.exe", 0, 0, 0},
};

void AddZDeleteYMoveZUp(Session& s) {
    s.Add(L"Z", L"C:\\apps\\z.exe");
    s.Delete(L"Y");
    s.Move(L"Z", kMoveUp);
}

class SettingsRunTest : public SettingsDialogTest, public ::testing::WithParamInterface<UserRun> {};

// OK makes the store the list; Cancel gives it back byte for byte; the index file is gone after
// either, and so is the program.
TEST_P(SettingsRunTest, EndsWithTheStoreAsTheListOrAsFound) {
    const UserRun& r = GetParam();
    auto s = Open(r.items);
    ASSERT_TRUE(s->Open());
    r.edits(*s);
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(s->Finish(r.end)) << "the dialog did not close";
    EXPECT_FALSE(suite::FileExists(index_)) << "the index file outlived the dialog";
    if (r.end == kCancel)
        ExpectStoreAsFound();
    else
        r.expectAfterOk();
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsRunTest,
    ::testing::Values(
        UserRun{"AddDeleteMoveThenOk", kTwoUsers, AddZDeleteYMoveZUp, kOk,
            [] {
                EXPECT_EQ(2u, Number("X", "Order"));
                EXPECT_EQ(1u, Number("X", "Check"));
                EXPECT_EQ(1u, Number("Z", "Order"));
                EXPECT_EQ(1u, Number("Z", "Check"));
                EXPECT_EQ(0u, Number("Z", "New"));
                EXPECT_EQ(0u, Number("Z", "Delete"));
                EXPECT_EQ(L"C:\\apps\\z.exe", Text("Z", "Path"));
                EXPECT_FALSE(suite::KeyExists(ItemPath("Y").c_str()));
            }},
        UserRun{"AddDeleteMoveThenCancel", kTwoUsers, AddZDeleteYMoveZUp, kCancel, nullptr},
        UserRun{"UpdateThenCancel", MixedItems(),
            [](Session& s) { s.Edit(L"Gamma", L"Gamma", L"D:\\other\\gamma.exe"); }, kCancel, nullptr},
        UserRun{"EveryEditThenCancel", MixedItems(),
            [](Session& s) {
                s.Edit(L"Alpha", L"Omega", L"C:\\apps\\omega.exe");
                s.Add(L"Delta", L"C:\\apps\\delta.exe");
                s.Delete(L"Beta");
                s.Move(L"Delta", kMoveUp);
                s.ClickRow(s.RowOf(L"Display Output"));
                s.Key("space");  // unchecks the built-in item
                s.Move(L"Suspend", kMoveDown);
            },
            kCancel, nullptr},
        UserRun{"RenameThenOk", MixedItems(),
            [](Session& s) { s.Edit(L"Alpha", L"Omega", L"C:\\apps\\omega.exe"); }, kOk,
            [] {
                EXPECT_FALSE(suite::KeyExists(ItemPath("Alpha").c_str())) << "the old key stays";
                EXPECT_EQ(L"Omega", Text("Omega", NameValue()));
                EXPECT_EQ(L"", Text("Omega", OtherNameValue()));
                EXPECT_EQ(L"C:\\apps\\omega.exe", Text("Omega", "Path"));
                EXPECT_EQ(3u, Number("Omega", "Order"));
                EXPECT_EQ(1u, Number("Omega", "Check"));
                EXPECT_EQ(L"System", Text("Monitor", "Path"));
                EXPECT_EQ(2007u, Number("Monitor", "SystemCMD"));
            }}),
    [](const ::testing::TestParamInfo<UserRun>& info) { return info.param.name; });

}  // namespace

namespace {

// Update and Delete follow the selection however it moves (a click, a right click, the arrow
// keys, the dialog's own moves), and are off for built-in items; the handlers refuse a built-in
// item even when asked directly. Moves stop at both ends and take each row's own box along.
TEST_F(SettingsDialogTest, ButtonsFollowTheSelectionAndMovesStopAtTheEnds) {
    auto s = Open(MixedItems());
    ASSERT_TRUE(s->Open());
    HWND d = s->Dialog();
    RemoteList& list = s->List();
    auto editable = [&] { return Enabled(d, kUpdate) && Enabled(d, kDelete); };
    auto locked = [&] { return !Enabled(d, kUpdate) && !Enabled(d, kDelete); };
    EXPECT_TRUE(editable()) << "no row selected yet";

    const struct {
        const char* how;
        std::function<void()> act;
        int selected;
        bool builtIn;
    } steps[] = {
        {"click a built-in row", [&] { s->ClickRow(0); }, 0, true},
        {"click a user row", [&] { s->ClickRow(3); }, 3, false},
        {"arrow up twice", [&] { s->Key("Up"); s->Key("Up"); }, 1, true},
        {"arrow down", [&] { s->Key("Down"); }, 2, false},
        {"right click a built-in row", [&] { s->RightClickRow(1); }, 1, true},
        {"move the built-in row down onto user rows", [&] { s->Click(kMoveDown); }, 2, true},
        {"move up again", [&] { s->Click(kMoveUp); }, 1, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.how);
        step.act();
        EXPECT_TRUE(suite::WaitUntil([&] { return list.Selected() == step.selected; }, kStepTimeoutMs))
            << "selected " << list.Selected();
        EXPECT_TRUE(suite::WaitUntil(step.builtIn ? std::function<bool()>(locked) : editable, kStepTimeoutMs));
    }

    // Asked directly, with a built-in row selected: nothing happens.
    s->ClickRow(0);
    ::SendMessageW(d, WM_COMMAND, MAKEWPARAM(kDelete, BN_CLICKED), 0);
    ::SendMessageW(d, WM_COMMAND, MAKEWPARAM(kUpdate, BN_CLICKED), 0);
    EXPECT_TRUE(suite::NeverWithin(
        [&] { return list.Rows() != RowsOf(MixedItems()) || WaitForDialogW(EditorTitle(false), 0); }, 300));
    EXPECT_EQ(RowsOf(MixedItems()), list.Rows()) << Describe(list.Rows());
    EXPECT_EQ(nullptr, WaitForDialogW(EditorTitle(false), 0)) << "an editor opened on a built-in item";

    // At the ends a move only selects the row again.
    s->Click(kMoveUp);
    EXPECT_EQ(0, list.Selected());
    s->ClickRow(4);
    s->Click(kMoveDown);
    EXPECT_EQ(4, list.Selected());
    EXPECT_EQ(RowsOf(MixedItems()), list.Rows()) << Describe(list.Rows());

    // The unchecked Beta past the checked Alpha: each keeps its own box.
    s->Move(L"Beta", kMoveUp);
    std::vector<StoreItem> moved = MixedItems();
    std::swap(moved[2], moved[3]);
    EXPECT_EQ(RowsOf(moved), list.Rows()) << Describe(list.Rows());
    EXPECT_EQ(2, list.Selected());

    ASSERT_TRUE(s->Finish(kCancel));
    ExpectStoreAsFound();
}

}  // namespace

namespace {

std::wstring Expected(const char* english, const char* korean) { return suite::FromUtf8(KoreanUi() ? korean : english); }

// What the editor refuses, each with its message over the editor, which stays open with the
// fields as typed; nothing reaches the list or the store. Then what it takes at the limits.
TEST_F(SettingsDialogTest, EditorRefusesWhatWouldDamageTheStore) {
    auto s = Open(MixedItems());
    ASSERT_TRUE(s->Open());
    s->ClickRow(2);
    suite::SaveScreenshot("tallyset-dialog-" + std::string(KoreanUi() ? "ko" : "en"));
    HWND editor = s->OpenEditor(true);
    ASSERT_NE(nullptr, editor);
    ::SetWindowPos(editor, nullptr, 200, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    const std::wstring tooLong = Expected("Display Name Length less than 16 characters.",
                                          "표시 이름과 파일 이름을 입력 하십시오. 표시 이름은 한글 8자 이내로 하셔야 합니다.");
    const std::wstring empty = Expected("Empty Display Name or File Name.", "표시이름과 파일이름을 입력 하셔야 합니다.");
    const std::wstring taken = Expected("Another menu item already has this Display Name.\nChoose another Display Name.",
                                        "같은 표시 이름의 메뉴 항목이 이미 있습니다.\n다른 표시 이름을 입력 하십시오.");
    const struct {
        const char* what;
        std::wstring name, path, message;
    } refusals[] = {
        {"17 Latin characters", L"ABCDEFGHIJKLMNOPQ", L"C:\\a.exe", tooLong},
        {"15 letters in 2 blanks", L" ABCDEFGHIJKLMNO ", L"C:\\a.exe", tooLong},
        {"9 Korean characters", suite::FromUtf8("가나다라마바사아자"), L"C:\\a.exe", tooLong},
        {"blanks and a tab", L"  \t ", L"C:\\a.exe", empty},
        {"ideographic spaces", suite::FromUtf8("\u3000\u3000"), L"C:\\a.exe", empty},
        {"no path", L"Delta", L"", empty},
        {"a path of blanks", L"Delta", L"   ", empty},
        {"a backslash", L"Del\\ta", L"C:\\a.exe",
         Expected("A Display Name cannot contain a backslash (\\).", "표시 이름에는 역슬래시(\\)를 사용할 수 없습니다.")},
        {"another item's name in other case", L" gAMMA ", L"C:\\a.exe", taken},
        {"a built-in item's key", L"MONITOR", L"C:\\a.exe", taken},
        {"a path of 260 bytes", L"Delta", L"C:\\" + std::wstring(253, L'p') + L".exe",
         Expected("File Name is too long.\nA File Name can have at most 259 characters.",
                  "파일 이름이 너무 깁니다.\n파일 이름은 영문 259자, 한글 129자 이내로 하셔야 합니다.")},
    };
    bool shot = false;
    for (const auto& r : refusals) {
        if (!KoreanUi() && r.name[0] > 0x7F) continue;  // no Korean text in an English code page
        SCOPED_TRACE(r.what);
        Session::Type(editor, r.name, r.path);
        ClickControl(editor, IDOK);
        HWND box = WaitForMessageBox(editor, kStepTimeoutMs);
        ASSERT_NE(nullptr, box) << "no message";
        EXPECT_EQ(r.message, MessageText(box));
        if (!shot) shot = !suite::SaveScreenshot("tallyset-editor-refusal-" + std::string(KoreanUi() ? "ko" : "en")).empty();
        EXPECT_TRUE(DismissMessageBox(box, kStepTimeoutMs));
        EXPECT_TRUE(::IsWindowVisible(editor)) << "the editor closed";
        EXPECT_EQ(r.name, ControlText(editor, kNameEdit));
    }
    EXPECT_EQ(RowsOf(MixedItems()), s->List().Rows()) << Describe(s->List().Rows());
    EXPECT_EQ("", Differences(start_, StoreImage()));
    ::PostMessageW(editor, WM_COMMAND, IDCANCEL, 0);

    // An item keeps its own name in any case, and the name of an item taken off the list is free.
    s->Edit(L"Alpha", L"ALPHA", L"C:\\apps\\alpha.exe");
    s->Delete(L"Beta");
    // At the limits: 16 Latin or 8 Korean characters, a 259-byte path; blanks around a name go.
    const struct {
        std::wstring name, path, row;
    } accepted[] = {
        {L"ABCDEFGHIJKLMNOP", L"C:\\" + std::wstring(252, L'p') + L".exe", L"ABCDEFGHIJKLMNOP"},
        {suite::FromUtf8("가나다라마바사아"), L"C:\\k.exe", suite::FromUtf8("가나다라마바사아")},
        {L"  Delta\t", L" C:\\d.exe ", L"Delta"},
        {L"beta", L"C:\\b.exe", L"beta"},
    };
    for (const auto& a : accepted) {
        if (!KoreanUi() && a.name[0] > 0x7F) continue;  // no Korean text in an English code page
        SCOPED_TRACE(std::string(a.row.begin(), a.row.end()));
        HWND adder = s->OpenEditor(true);
        ASSERT_NE(nullptr, adder);
        Session::Type(adder, a.name, a.path);
        if (a.row == L"Delta") suite::SaveScreenshot("tallyset-editor-" + std::string(KoreanUi() ? "ko" : "en"));
        EXPECT_TRUE(Session::Confirm(adder));
        ASSERT_TRUE(suite::WaitUntil([&] { return s->RowOf(a.row) >= 0; }, kStepTimeoutMs));
        const ListRow row = s->List().Rows().at(static_cast<std::size_t>(s->RowOf(a.row)));
        EXPECT_EQ(ListRow({a.row, a.path, true}), row) << "a new row is checked, its path as typed";
        EXPECT_EQ(s->List().Count() - 1, s->RowOf(a.row)) << "new rows come last";
    }
    ASSERT_TRUE(s->Finish(kCancel));
    ExpectStoreAsFound();
}

}  // namespace

namespace {

// The editor confirms onto the row of the item it was opened on, wherever that row is by then;
// an item deleted meanwhile takes the edit with it. After OK the panel shows the renamed item.
TEST_F(SettingsDialogTest, EditsReachTheirItemWhereverItsRowWentAndThePanelShowsThem) {
    // The panel wants ten items after the deletion, and none from machine defaults.
    suite::DeleteTree(kStoreKey, HKEY_LOCAL_MACHINE);
    auto s = Open(MixedItems(), 0, 6);
    ASSERT_TRUE(s->Open());
    s->ClickRow(s->RowOf(L"Gamma"));
    HWND editor = s->OpenEditor(false);
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(L"Gamma", ControlText(editor, kNameEdit)) << "the editor opens with the row's texts";
    EXPECT_EQ(L"C:\\apps\\gamma.exe", ControlText(editor, kPathEdit));
    s->Move(L"Gamma", kMoveUp);  // Gamma now stands where Beta stood
    Session::Type(editor, L"Gamma Two", L"C:\\apps\\two.exe");
    ASSERT_TRUE(Session::Confirm(editor));
    ASSERT_TRUE(suite::WaitUntil([&] { return s->RowOf(L"Gamma Two") == 3; }, kStepTimeoutMs))
        << Describe(s->List().Rows());
    EXPECT_EQ(L"Beta", s->List().Text(4, 0));

    s->ClickRow(s->RowOf(L"Alpha"));
    editor = s->OpenEditor(false);
    ASSERT_NE(nullptr, editor);
    s->Delete(L"Alpha");
    Session::Type(editor, L"Alpha Two", L"C:\\apps\\a2.exe");
    ASSERT_TRUE(Session::Confirm(editor));
    EXPECT_TRUE(suite::NeverWithin(
        [&] { return s->RowOf(L"Alpha Two") != -1 || suite::KeyExists(ItemPath("Alpha Two").c_str()); }, 500));
    EXPECT_EQ(-1, s->RowOf(L"Alpha Two")) << Describe(s->List().Rows());
    EXPECT_FALSE(suite::KeyExists(ItemPath("Alpha Two").c_str())) << "the edit of a deleted item made a key";

    ASSERT_TRUE(s->Finish(kOk));
    EXPECT_FALSE(suite::KeyExists(ItemPath("Gamma").c_str()));
    EXPECT_EQ(L"C:\\apps\\two.exe", Text("Gamma Two", "Path"));
    EXPECT_EQ(3u, Number("Gamma Two", "Order"));
    EXPECT_EQ(1u, Number("Gamma Two", "Check"));
    EXPECT_FALSE(suite::KeyExists(ItemPath("Alpha").c_str()));

    suite::ProgramRun panel = suite::ProgramRun::Start("Corvela.exe");
    HWND window = suite::WaitForWindow(suite::panel::kPanelTitle, kStartTimeoutMs);
    ASSERT_NE(nullptr, window);
    suite::panel::WaitPlaced(window, kStartTimeoutMs);
    std::vector<std::wstring> labels;
    for (int id = 2001; id <= 2008; ++id)
        if (::IsWindowVisible(::GetDlgItem(window, id))) labels.push_back(suite::WindowTextW(::GetDlgItem(window, id)));
    const std::vector<std::wstring> expected = {L"Suspend", L"Display Output", L"Gamma Two"};
    EXPECT_EQ(expected, labels);
    suite::panel::CloseAnyPanel(kCloseTimeoutMs);
}

}  // namespace

namespace {

// Tallyset installed in a folder of its own, with or without the real Perchlet.exe beside it.
class SettingsTrayTest : public SettingsDialogTest {
protected:
    void SetUp() override {
        SettingsDialogTest::SetUp();
        suite::EndProgramsWithWindow(kTrayTitle, kCloseTimeoutMs);
        ASSERT_TRUE(::CopyFileA(suite::DistFile("Tallyset.exe").c_str(), install_.Join("Tallyset.exe").c_str(), FALSE));
    }
    void TearDown() override {
        SettingsDialogTest::TearDown();
        EXPECT_TRUE(suite::EndProgramsWithWindow(kTrayTitle, kCloseTimeoutMs));
    }
    std::unique_ptr<Session> OpenInstalled(DWORD trayCheck) {
        WriteStore(MixedItems(), trayCheck);
        auto session = std::make_unique<Session>(install_.Join("Tallyset.exe"), install_.Path());
        start_ = StoreImage();
        return session;
    }
    // The program file of the process that shows the tray window, once it shows.
    static std::string TrayProgramRunning() {
        HWND tray = suite::WaitForWindow(kTrayTitle, kStepTimeoutMs);
        if (!tray) return std::string();
        char path[MAX_PATH] = {};
        fw::KernelHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, suite::WindowProcess(tray)));
        if (process) ::GetModuleFileNameExA(process.Get(), nullptr, path, sizeof(path));
        return path;
    }

    static constexpr const char* kTrayTitle = kTrayWindowTitle;
    suite::ScratchFolder install_{"tallyset-install"};
};

// The box checked without Perchlet.exe beside the program: the message, the box unchecked, the
// dialog still open, and nothing written, the tray setting included; the run goes on.
TEST_F(SettingsTrayTest, OkWithTheTrayWantedAndNoTrayProgramWritesNothing) {
    auto s = OpenInstalled(0);
    ASSERT_TRUE(s->Open());
    s->Delete(L"Beta");
    const suite::RegistryImage pending = StoreImage();
    s->Click(kTrayBox);
    ASSERT_TRUE(BoxChecked(s->Dialog(), kTrayBox));
    s->Click(kOk);
    HWND box = WaitForMessageBox(s->Dialog(), kStepTimeoutMs);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(Expected("Not Exist Cor Vela Program.\nExecute after Re-Install Cor Vela.",
                       "시스템 트레이 아이콘 프로그램이 존재 하지 않습니다.\nCor Vela를 다시 설치 후 사용 하십시오."),
              MessageText(box));
    EXPECT_TRUE(DismissMessageBox(box, kStepTimeoutMs));
    EXPECT_FALSE(BoxChecked(s->Dialog(), kTrayBox));
    EXPECT_TRUE(::IsWindow(s->Dialog()));
    EXPECT_EQ("", Differences(pending, StoreImage())) << "OK wrote something";
    ASSERT_TRUE(s->Finish(kCancel));
    ExpectStoreAsFound();
}

// OK with the box unchecked tells a running tray program to go; checked, it starts it from the
// program's folder. The setting is written either way.
TEST_F(SettingsTrayTest, OkStartsOrEndsTheTrayProgram) {
    const std::string tray = install_.Join("Perchlet.exe");
    ASSERT_TRUE(::CopyFileA(suite::DistFile("Perchlet.exe").c_str(), tray.c_str(), FALSE));
    for (bool wanted : {false, true}) {
        SCOPED_TRACE(wanted ? "checked" : "unchecked");
        WriteStore(MixedItems(), wanted ? 0 : 1);
        suite::ProgramRun running;
        if (!wanted) {
            running = suite::ProgramRun::StartFile(tray, nullptr, install_.Path());
            ASSERT_EQ(0, ::lstrcmpiA(tray.c_str(), TrayProgramRunning().c_str()));
        }
        auto s = OpenInstalled(wanted ? 0 : 1);
        ASSERT_TRUE(s->Open());
        ASSERT_EQ(!wanted, BoxChecked(s->Dialog(), kTrayBox)) << "the box shows the setting";
        s->Click(kTrayBox);
        ASSERT_TRUE(s->Finish(kOk));
        DWORD trayCheck = 7;
        EXPECT_TRUE(suite::ReadDword(kStoreKey, "TrayChk", &trayCheck));
        EXPECT_EQ(wanted ? 1u : 0u, trayCheck);
        if (wanted) {
            EXPECT_EQ(0, ::lstrcmpiA(tray.c_str(), TrayProgramRunning().c_str())) << "not the program beside Tallyset";
        } else {
            EXPECT_TRUE(suite::WaitForWindowGone(kTrayTitle, kCloseTimeoutMs));
            EXPECT_TRUE(running.WaitForExit(kCloseTimeoutMs)) << "the tray program still runs";
        }
        suite::EndProgramsWithWindow(kTrayTitle, kCloseTimeoutMs);
    }
}

}  // namespace

namespace {

// Escape, the title bar's close button and Cancel all give the store back as the run found it,
// and end the program; Enter on the list neither saves nor closes.
TEST_F(SettingsDialogTest, EveryWayOutIsACancel) {
    const struct {
        const char* way;
        std::function<void(Session&)> leave;
    } ways[] = {
        {"Escape", [](Session& s) { s.Key("Escape"); }},
        {"title bar", [](Session& s) {
             const RECT r = suite::WindowRect(s.Dialog());
             const int frame = ::GetSystemMetrics(SM_CXFIXEDFRAME);
             XClick(r.right - frame - ::GetSystemMetrics(SM_CXSIZE) / 2, r.top + frame + ::GetSystemMetrics(SM_CYSIZE) / 2, 1);
         }},
        {"Cancel", [](Session& s) { s.Click(kCancel); }},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        auto s = Open(MixedItems());
        ASSERT_TRUE(s->Open());
        s->Add(L"Delta", L"C:\\apps\\delta.exe");
        s->Edit(L"Alpha", L"Omega", L"C:\\apps\\omega.exe");
        s->Delete(L"Beta");
        s->ClickRow(0);
        s->Key("Return");
        ASSERT_TRUE(suite::NeverWithin([&] { return !s->Run().Running(); }, 300)) << "Enter closed the dialog";
        w.leave(*s);
        EXPECT_TRUE(s->Run().WaitForExit(kCloseTimeoutMs)) << "still open";
        ExpectStoreAsFound();
        EXPECT_FALSE(suite::FileExists(index_));
    }
}

// A commit that cannot open a key shows "Set Registry Error" and changes nothing, not even the
// tray setting; the dialog stays open with the run pending, and Cancel still gives the store back.
TEST_F(SettingsDialogTest, AFailedCommitKeepsTheDialogAndTheStore) {
    auto s = Open(MixedItems());
    ASSERT_TRUE(s->Open());
    s->Delete(L"Beta");
    s->Click(kTrayBox);  // dist holds a Perchlet.exe: the tray check passes
    const suite::RegistryImage pending = StoreImage();
    ASSERT_TRUE(DenyKeyAccess(HKEY_CURRENT_USER, ItemPath("Gamma")));
    s->Click(kOk);
    HWND box = WaitForMessageBox(s->Dialog(), kStepTimeoutMs);
    AllowKeyAccess(HKEY_CURRENT_USER, ItemPath("Gamma"));
    ASSERT_NE(nullptr, box) << "the failure was not told";
    EXPECT_EQ(L"Set Registry Error", MessageText(box));
    EXPECT_TRUE(DismissMessageBox(box, kStepTimeoutMs));
    EXPECT_TRUE(suite::NeverWithin([&] { return !s->Run().Running(); }, 300))
        << "the dialog closed after a failed commit";
    EXPECT_EQ("", Differences(pending, StoreImage()));
    ASSERT_TRUE(s->Finish(kCancel));
    ExpectStoreAsFound();
}

// An index file that cannot be written would give an empty list, whose OK would empty the store:
// the user is told, and the program ends without a dialog and without touching the store.
TEST_F(SettingsDialogTest, AnIndexFileThatCannotBeWrittenEndsTheRunUntouched) {
    WriteStore(MixedItems(), 1);
    start_ = StoreImage();
    for (std::size_t at = index_.find('\\', 3); at != std::string::npos; at = index_.find('\\', at + 1))
        ::CreateDirectoryA(index_.substr(0, at).c_str(), nullptr);
    ASSERT_TRUE(::CreateDirectoryA(index_.c_str(), nullptr)) << "a folder where the file should go";
    suite::ProgramRun run = suite::ProgramRun::Start("Tallyset.exe");
    HWND box = suite::WaitForWindow(kMessageBoxCaption, kStartTimeoutMs, "#32770");
    ASSERT_NE(nullptr, box) << "the failure was not told";
    const std::wstring expected = suite::FromUtf8(KoreanUi() ? "메뉴 목록 파일을 쓸 수 없습니다:"
                                                             : "The menu list cannot be written:");
    EXPECT_EQ(expected + L"\n" + suite::FromUtf8(index_.c_str()), MessageText(box));
    const std::wstring title = SettingsTitle();
    bool dialogShown = false;
    EXPECT_TRUE(DismissMessageBox(box, kStepTimeoutMs));
    EXPECT_TRUE(suite::WaitUntil(
        [&] {
            HWND dialog = ::FindWindowW(nullptr, title.c_str());
            dialogShown = dialogShown || (dialog && ::IsWindowVisible(dialog));
            return !run.Running();
        },
        kCloseTimeoutMs, 5))
        << "Tallyset.exe still runs";
    ::RemoveDirectoryA(index_.c_str());
    EXPECT_FALSE(dialogShown) << "an empty list was shown";
    ExpectStoreAsFound();
}

// The panel and the settings: the settings close an open panel and list every item once it has
// gone; a second settings program and a panel started meanwhile end at once, leaving the run
// pending; its Cancel still gives the store back.
TEST_F(SettingsDialogTest, NoPanelAndNoSecondSettingsDuringARun) {
    suite::DeleteTree(kStoreKey, HKEY_LOCAL_MACHINE);
    WriteStore(MixedItems(), 0, 5);
    suite::ProgramRun panel = suite::ProgramRun::Start("Corvela.exe");
    HWND window = suite::WaitForWindow(suite::panel::kPanelTitle, kStartTimeoutMs);
    ASSERT_NE(nullptr, window);
    suite::panel::WaitPlaced(window, kStartTimeoutMs);

    Session s;
    ASSERT_TRUE(s.Open());
    EXPECT_TRUE(suite::WaitForWindowGone(suite::panel::kPanelTitle, kCloseTimeoutMs));
    EXPECT_EQ(10, s.List().Count()) << "the closing panel took the index away";
    start_ = StoreImage();
    s.Delete(L"Beta");
    const suite::RegistryImage pending = StoreImage();

    suite::ProgramRun second = suite::ProgramRun::Start("Tallyset.exe");
    EXPECT_TRUE(second.WaitForExit(kCloseTimeoutMs)) << "a second settings program runs";
    suite::ProgramRun late = suite::ProgramRun::Start("Corvela.exe");
    EXPECT_TRUE(late.WaitForExit(kStartTimeoutMs)) << "a panel started during the run";
    EXPECT_EQ(nullptr, ::FindWindowA(nullptr, suite::panel::kPanelTitle));
    EXPECT_EQ("", Differences(pending, StoreImage())) << "the run was settled behind its back";

    ASSERT_TRUE(s.Finish(kCancel));
    ExpectStoreAsFound();
}

}  // namespace

namespace {

// OK writes every row's name under the value of the system's language and empties the other
// one (the store held both); on a Korean system a Korean name arrives whole. An item named only
// in the other language shows that name and keeps it.
TEST_F(SettingsDialogTest, OkWritesNamesInTheSystemLanguage) {
    WriteStore(MixedItems(), 0);
    fw::RegKey gamma;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, ItemPath("Gamma").c_str(), 0, KEY_SET_VALUE, gamma.Put()));
    ::RegDeleteValueA(gamma.Get(), NameValue());
    auto s = std::make_unique<Session>();
    ASSERT_TRUE(s->Open());
    EXPECT_EQ(RowsOf(MixedItems()), s->List().Rows()) << Describe(s->List().Rows());
    const std::string key = KoreanUi() ? "메모장" : "Notepad";  // UTF-8, as the harness names keys
    const std::wstring name = suite::FromUtf8(key.c_str());
    s->Add(name, L"C:\\windows\\notepad.exe");
    ASSERT_TRUE(s->Finish(kOk));
    EXPECT_EQ(name, Text(key, NameValue()));
    EXPECT_EQ(L"", Text(key, OtherNameValue()));
    EXPECT_EQ(6u, Number(key, "Order"));
    for (const StoreItem& item : MixedItems()) {
        SCOPED_TRACE(item.key);
        EXPECT_EQ(suite::FromUtf8(item.name), Text(item.key, NameValue()));
        EXPECT_EQ(L"", Text(item.key, OtherNameValue()));
    }
}

}  // namespace
