// A user's day with the suite, from the amd64 installer to nothing left of it, through the
// installed programs only and with real pointer clicks and keys (through the X server): a silent
// install; the tray program started as a logon starts it (from the Run entry); the panel opened by
// a double click on the tray icon; its pages; both radios (the simulated firmware's word follows);
// the brightness raised with the keys on the bar; the display output switched; the settings
// program opened from the panel, an item added and confirmed; the item on the panel and its
// program started; the uninstaller run from its Add/Remove Programs entry, asked to take the
// settings too; and then no file, key, process or icon of the suite left.
//
// The user has used the suite before: the store holds the default items (as the panel's first
// start imports them) with two more of them checked, so the panel has two pages.
//
// Every step leaves a screenshot <build>\screenshots\day-NN-*.png; the README's gallery "A day
// with the suite" is made from them (scripts/screenshots --docs).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BarFacts.h"
#include "InstallerHarness.h"
#include "PanelFacts.h"
#include "RealInput.h"
#include "ScreenCapture.h"
#include "SettingsSession.h"
#include "Stub.h"
#include "SuiteHarness.h"
#include "TrayFacts.h"

namespace {

using namespace suite::panel;
namespace input = suite::input;

const DWORD kSetupTimeoutMs = 120000;
const DWORD kStepTimeoutMs = 20000;
// The display-output dialog on the 1024 x 768 desktop, its tiles (client coordinates) and the
// firmware word each choice writes.
const RECT kMonitorPlaced = {346, 283, 678, 448};
const RECT kExternalTile = {124, 55, 211, 128};  // tile 1001
const DWORD kExternalOutput = 0x20000;
const DWORD kInternalOutput = 0x10000;
// The user's own program: the stub under a name of its own, showing a window.
const char kNotesTitle[] = "My Notes";

void Shot(const char* name) { suite::SaveScreenshot(std::string("day-") + name); }


class DayTest : public ::testing::Test {
protected:
    void SetUp() override {
        EndSuitePrograms();
        installer::RemoveAnyInstall();
        ASSERT_TRUE(suite::FileExists(installer::SetupExe())) << installer::SetupExe() << " was not built";
        SimSet("FailConnect", 0);
        SimSet("FailGet", 0);
        SimSet("FailMonitor", 0);
        SimSet("PowerSource", 0);
        SimSet("0_49", 0x1);  // wireless LAN on, Bluetooth off
        SimSet("0_50", 0x45);  // brightness 4 on mains
        SimSet("0_230", kInternalOutput);
        ASSERT_NO_FATAL_FAILURE(WriteEarlierSettings());
        input::RestPointerAt(POINT{512, 300});
    }
    void TearDown() override {
        EndSuitePrograms();
        installer::RemoveAnyInstall();
        suite::DeleteTree(kStoreKey);
    }

    static void EndSuitePrograms() {
        CloseAnyPanel(5000);
        for (const char* title : {suite::tray::kTitle, suite::bar::kBarTitle, kNotesTitle, kMonitorTitle})
            suite::EndProgramsWithWindow(title, 5000);
        suite::EndProgramsWithWindow("Cor Vela Configuration", 5000);
    }

    // The default items as the registry editor imports them from config.bin, and the tablet's
    // settings and the magnifier checked as well: ten items, two pages.
    static void WriteEarlierSettings() {
        suite::DeleteTree(kStoreKey);
        std::string command = "regedit.exe /s \"" + suite::DistFile("config.bin") + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        ASSERT_TRUE(::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
        fw::KernelHandle process(pi.hProcess);
        fw::KernelHandle thread(pi.hThread);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process.Get(), 30000));
        ASSERT_GE(suite::CountSubkeys(kStoreKey), 10) << "config.bin was not imported";
        for (const char* key : {"Tablet PC", "Loupette"})
            suite::SetDword((std::string(kStoreKey) + "\\" + key).c_str(), "Check", 1);
    }

    // What a logon does with the Run entry: runs its command line.
    void StartFromRunEntry() {
        const std::string command = installer::MachineText(installer::kRunKey, installer::kRunValue);
        ASSERT_FALSE(command.empty()) << "no Run entry";
        ASSERT_EQ('"', command.front()) << command;
        const std::string exe = command.substr(1, command.find('"', 1) - 1);
        tray_ = suite::ProgramRun::StartFile(exe, nullptr, installer::ParentOf(exe));
        ASSERT_TRUE(tray_.Started()) << command;
    }

    // A double click on the tray icon and the panel in its place, the pointer on its first item.
    HWND OpenPanel() {
        EXPECT_EQ(nullptr, ::FindWindowA(nullptr, kPanelTitle)) << "a panel is open already";
        EXPECT_TRUE(input::DoubleClickAt(suite::tray::IconCentre())) << "the pointer did not rest on the icon";
        HWND panel = suite::WaitForWindow(kPanelTitle, kStepTimeoutMs);
        EXPECT_NE(nullptr, panel) << "the double click opened no panel";
        if (panel) {
            EXPECT_TRUE(WaitPlaced(panel, kStepTimeoutMs));
            EXPECT_TRUE(input::RestPointerAt(Spot(1)));
        }
        return panel;
    }

    // A click on button 2000 + `index` of the panel.
    static void Press(int index) { EXPECT_TRUE(input::ClickAt(Middle(index))) << "button " << 2000 + index; }

    static bool PanelGone() {
        return suite::WaitForWindowGone(kPanelTitle, kStepTimeoutMs) &&
               suite::WaitUntil([] { return installer::RunningSuitePrograms() == std::vector<std::string>{"Perchlet.exe"}; },
                                kStepTimeoutMs);
    }

    suite::ProgramRun tray_;
};

TEST_F(DayTest, FromInstallToNothingLeft) {
    // Morning: the suite is installed silently and the logon starts the tray program.
    const installer::RunResult setup = installer::RunSetup("/S", kSetupTimeoutMs);
    ASSERT_TRUE(setup.ended && setup.exitCode == 0) << "CorvelaSetup.exe /S: " << setup.exitCode;
    const std::string folder = installer::DefaultFolder();
    for (const char* file : installer::kSuiteFiles) ASSERT_TRUE(suite::FileExists(folder + "\\" + file)) << file;
    ASSERT_NO_FATAL_FAILURE(StartFromRunEntry());
    ASSERT_NE(nullptr, suite::tray::WaitForIcon()) << "no tray icon after the logon";
    input::RestPointerAt(suite::tray::IconCentre());  // its tip, for the picture
    suite::Settle(1000);
    Shot("01-tray-icon");

    // The panel from the icon, and its second page.
    HWND panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    const std::vector<std::string> firstPage = {"Wireless Lan Off", "Bluetooth On", "Brightness Control", "Monitor",
                                                "Suspend",          "Hibernation",  "Ambrosel",           "Corvela Setting"};
    EXPECT_EQ(firstPage, ShownLabels(panel)) << Show(ShownLabels(panel));
    Shot("02-panel");
    Press(9);
    EXPECT_TRUE(suite::WaitUntil(
        [&] { return ShownLabels(panel) == std::vector<std::string>{"Tablet PC Setting", "Magnifier"}; }, kStepTimeoutMs))
        << Show(ShownLabels(panel));
    Shot("03-second-page");
    Press(0);
    EXPECT_TRUE(suite::WaitUntil([&] { return ShownLabels(panel) == firstPage; }, kStepTimeoutMs))
        << Show(ShownLabels(panel));

    // Both radios, each from a panel of its own: the firmware word follows, and so do the captions.
    Press(1);
    ASSERT_TRUE(PanelGone()) << "the panel stays after the wireless LAN item";
    EXPECT_TRUE(suite::WaitUntil([] { return SimGet("0_49") == 0x0; }, kStepTimeoutMs)) << "0_49 " << SimGet("0_49");
    panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ("Wireless Lan On", ShownLabels(panel)[0]);
    Press(2);
    ASSERT_TRUE(PanelGone()) << "the panel stays after the Bluetooth item";
    EXPECT_TRUE(suite::WaitUntil([] { return SimGet("0_49") == 0x2; }, kStepTimeoutMs)) << "0_49 " << SimGet("0_49");
    panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    const std::vector<std::string> labels = ShownLabels(panel);
    ASSERT_GE(labels.size(), 2u);
    EXPECT_EQ("Wireless Lan On", labels[0]);
    EXPECT_EQ("Bluetooth Off", labels[1]);
    Shot("04-radios-switched");

    // The brightness: the panel explains the keys, the bar comes, two Up keys raise it by two.
    Press(3);
    HWND help = suite::WaitForWindow(suite::tray::kTitle, kStepTimeoutMs, "#32770");
    ASSERT_NE(nullptr, help) << "no key help";
    Shot("05-brightness-help");
    EXPECT_TRUE(input::ClickAt(suite::ControlMiddle(help, IDOK)));
    HWND bar = suite::WaitForWindow(suite::bar::kBarTitle, kStepTimeoutMs);
    ASSERT_NE(nullptr, bar) << "no brightness bar";
    ASSERT_TRUE(suite::bar::WaitShown(bar, 4, kStepTimeoutMs)) << "segments " << suite::bar::ShownSegments();
    EXPECT_TRUE(input::Keys("Up Up"));
    EXPECT_TRUE(suite::bar::WaitShown(bar, 6, kStepTimeoutMs)) << "segments " << suite::bar::ShownSegments();
    EXPECT_TRUE(suite::WaitUntil([] { return SimGet("0_50") == 0x65 && SimGet("MonitorBrightness") == 7; }, kStepTimeoutMs))
        << "0_50 " << SimGet("0_50") << ", monitor " << SimGet("MonitorBrightness");
    Shot("06-brightness-raised");
    EXPECT_TRUE(suite::WaitForWindowGone(suite::bar::kBarTitle, kStepTimeoutMs)) << "the bar does not close itself";

    // The display output: the dialog over the hidden panel; a click on the external tile.
    panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    Press(4);
    HWND monitor = suite::WaitForWindow(kMonitorTitle, kStepTimeoutMs);
    ASSERT_NE(nullptr, monitor) << "no display-output dialog";
    EXPECT_TRUE(suite::WaitUntil(
        [&] {
            const RECT r = suite::WindowRect(monitor);
            return ::EqualRect(&r, &kMonitorPlaced) && !::IsWindowVisible(panel);
        },
        kStepTimeoutMs))
        << "the dialog is not in its place over the hidden panel";
    Shot("07-display-output");
    EXPECT_TRUE(input::ClickAt(POINT{kMonitorPlaced.left + (kExternalTile.left + kExternalTile.right) / 2,
                                     kMonitorPlaced.top + (kExternalTile.top + kExternalTile.bottom) / 2}));
    EXPECT_TRUE(suite::WaitUntil([] { return SimGet("0_230") == kExternalOutput; }, kStepTimeoutMs))
        << "0_230 " << std::hex << SimGet("0_230");
    ASSERT_TRUE(suite::WaitForWindowGone(kMonitorTitle, kStepTimeoutMs));
    ASSERT_TRUE(suite::WaitUntil([&] { return ::IsWindowVisible(panel) != FALSE; }, kStepTimeoutMs))
        << "the panel does not come back";

    // The settings from the panel: a program of the user's own is added and confirmed.
    suite::ScratchFolder programs("day-programs");
    const std::string notes = programs.Join("MyNotes.exe");
    const std::string notesLog = programs.Join("notes.log");
    ASSERT_NO_FATAL_FAILURE(suite::InstallStub(programs.Path(), "MyNotes.exe", notesLog,
                                               {std::string("title=") + kNotesTitle, "show=1", "lifetime=60000"}));
    EXPECT_TRUE(input::RestPointerAt(Spot(4)));
    Press(8);
    {
        suite::settings::Session settings(suite::settings::Session::Started{}, kStepTimeoutMs);
        ASSERT_TRUE(settings.Open()) << "the settings item opened no settings dialog";
        EXPECT_FALSE(::FindWindowA(nullptr, kPanelTitle)) << "the panel stays beside the settings";
        ASSERT_TRUE(suite::WaitUntil([&] { return settings.List().Count() == 15; }, kStepTimeoutMs));
        Shot("08-settings");
        HWND editor = settings.OpenEditor(true);
        ASSERT_NE(nullptr, editor) << "no editor";
        suite::settings::Session::Type(editor, suite::FromUtf8(kNotesTitle), suite::FromUtf8(notes.c_str()));
        Shot("09-new-item");
        ASSERT_TRUE(suite::settings::Session::Confirm(editor)) << "the editor refused the item";
        ASSERT_TRUE(suite::WaitUntil([&] { return settings.RowOf(suite::FromUtf8(kNotesTitle)) == 15; }, kStepTimeoutMs));
        ASSERT_TRUE(settings.Finish(suite::settings::kOk)) << "the settings did not close on OK";
    }
    const std::string item = std::string(kStoreKey) + "\\" + kNotesTitle;
    EXPECT_EQ(notes, suite::ReadText(item.c_str(), "Path"));
    EXPECT_EQ(1u, suite::ReadDwordOr(item.c_str(), "Check", 0));

    // The new item on the panel's second page, and its program started from there.
    panel = OpenPanel();
    ASSERT_NE(nullptr, panel);
    Press(9);
    const std::vector<std::string> secondPage = {"Tablet PC Setting", "Magnifier", kNotesTitle};
    EXPECT_TRUE(suite::WaitUntil([&] { return ShownLabels(panel) == secondPage; }, kStepTimeoutMs))
        << Show(ShownLabels(panel));
    EXPECT_TRUE(input::RestPointerAt(Middle(3)));
    Shot("10-new-item-on-the-panel");
    Press(3);
    ASSERT_TRUE(PanelGone());
    EXPECT_NE(nullptr, suite::WaitForWindow(kNotesTitle, kStepTimeoutMs)) << "the user's program did not start";
    EXPECT_NE(std::string::npos, suite::ReadFileText(notesLog).find(" start")) << suite::ReadFileText(notesLog);
    Shot("11-program-started");
    suite::EndProgramsWithWindow(kNotesTitle, 5000);

    // Evening: the uninstaller from its Add/Remove Programs entry, and Yes to the settings too.
    const std::string uninstallString = installer::MachineText(installer::kUninstallKey, "UninstallString");
    ASSERT_FALSE(uninstallString.empty());
    installer::UninstallerRun uninstall = installer::UninstallerRun::Start(uninstallString, kStepTimeoutMs);
    ASSERT_TRUE(uninstall.Started()) << uninstallString;
    HWND wizard = installer::WaitForWizardWindow("Cor Vela Uninstall", kStepTimeoutMs);
    ASSERT_NE(nullptr, wizard) << "no uninstaller";
    EXPECT_TRUE(input::ClickAt(suite::ControlMiddle(wizard, installer::kNextButton)));
    HWND question = installer::WaitForWizardWindow("Cor Vela Uninstall", kSetupTimeoutMs, true);
    ASSERT_NE(nullptr, question) << "the uninstaller did not ask about the settings";
    Shot("12-uninstall");
    EXPECT_TRUE(input::ClickAt(suite::ControlMiddle(question, IDYES)));
    ASSERT_TRUE(installer::WaitForFinishPage(wizard, "&Finish", kSetupTimeoutMs)) << "the uninstaller did not finish";
    EXPECT_TRUE(input::ClickAt(suite::ControlMiddle(wizard, installer::kNextButton)));
    const installer::RunResult end = uninstall.Wait(kSetupTimeoutMs);
    ASSERT_TRUE(end.ended);
    EXPECT_EQ(0u, end.exitCode);

    // Nothing of the suite is left: files, keys, processes, icon, index file.
    for (const char* file : installer::kSuiteFiles) EXPECT_FALSE(suite::FileExists(folder + "\\" + file)) << file;
    EXPECT_FALSE(installer::FolderExists(folder));
    EXPECT_FALSE(suite::KeyExists(installer::kMachineKey, HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(installer::MachineValueExists(installer::kRunKey, installer::kRunValue));
    EXPECT_FALSE(suite::KeyExists(installer::kUninstallKey, HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(suite::KeyExists(kStoreKey)) << "the settings stayed";
    EXPECT_TRUE(installer::RunningSuitePrograms().empty());
    EXPECT_TRUE(tray_.WaitForExit(5000)) << "the tray program still runs";
    EXPECT_TRUE(suite::tray::WaitForTrayGone()) << "the tray icon stayed";
    EXPECT_FALSE(suite::FileExists(UserIndexFile()));
    input::RestPointerAt(POINT{512, 300});
    Shot("13-nothing-left");
}

}  // namespace
