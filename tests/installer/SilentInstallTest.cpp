// The amd64 installer, run silently (/S) in the test's Wine prefix as an administrator's script or a
// software-distribution tool would: what lands where (files, machine defaults byte for byte as
// scripts/write-machine-defaults writes them, the Run entry, the Add/Remove Programs entry), that
// the user's settings survive an install, a reinstall and a silent uninstall, that a reinstall
// stays in the folder the suite is in, and that the uninstaller ends the suite's running programs
// (and no one else's) and takes back everything it put there, but nothing the user put there.
#include <gtest/gtest.h>

#include <string>

#include "InstallerHarness.h"
#include "PanelFacts.h"
#include "Stub.h"
#include "SuiteHarness.h"

namespace {

using namespace installer;

const DWORD kSetupTimeoutMs = 120000;

// Settings a user made: the tray icon switched off and an item of their own.
void WriteUserSettings() {
    suite::DeleteTree(kUserKey);
    suite::SetDword(kUserKey, "TrayChk", 0);
    const std::string item = std::string(kUserKey) + "\\My Notes";
    suite::SetString(item.c_str(), "0x409", "My Notes");
    suite::SetString(item.c_str(), "Path", "C:\\windows\\notepad.exe");
    suite::SetDword(item.c_str(), "Order", 16);
    suite::SetDword(item.c_str(), "Check", 1);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Each file of the suite in `folder` is the one the build made.
void ExpectSuiteFilesIn(const std::string& folder) {
    for (const char* file : kSuiteFiles) {
        const std::string built = FileBytes(suite::DistFile(file));
        ASSERT_FALSE(built.empty()) << file << " is missing from the build";
        EXPECT_TRUE(built == FileBytes(folder + "\\" + file)) << file << " in " << folder << " is not the built one";
    }
    EXPECT_TRUE(suite::FileExists(folder + "\\" + kUninstaller));
}

// The machine defaults are exactly what scripts/write-machine-defaults writes for the folder.
void ExpectMachineDefaultsFor(bool chosenFolder) {
    const std::string installed = ExportKey(HKEY_LOCAL_MACHINE, kMachineKey);
    ASSERT_FALSE(installed.empty()) << "no machine defaults key";
    const std::string script = ExpectedDefaultsScript(chosenFolder);
    ASSERT_TRUE(suite::FileExists(script)) << script;
    EXPECT_TRUE(installed == MachineKeyAsScriptWrites(script))
        << "the machine defaults differ from what " << script << " imports";
}

// Nothing of an install into `folder` is left: files, keys, the Run entry, programs.
void ExpectNothingLeftOf(const std::string& folder) {
    for (const char* file : kSuiteFiles) EXPECT_FALSE(suite::FileExists(folder + "\\" + file)) << file;
    EXPECT_FALSE(suite::FileExists(folder + "\\" + kUninstaller));
    EXPECT_FALSE(suite::KeyExists(kMachineKey, HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(MachineValueExists(kRunKey, kRunValue));
    EXPECT_FALSE(suite::KeyExists(kUninstallKey, HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(RunningSuitePrograms().empty());
}

class SilentInstallTest : public InstallerTest {
protected:
    static void Install(const std::string& arguments) {
        const RunResult setup = RunSetup(arguments, kSetupTimeoutMs);
        ASSERT_TRUE(setup.ended) << "CorvelaSetup.exe " << arguments << " did not end";
        ASSERT_EQ(0u, setup.exitCode) << "CorvelaSetup.exe " << arguments;
    }
    // As Add/Remove Programs does it: the entry's quiet command line, plus `switches`.
    static void Uninstall(const std::string& switches = std::string()) {
        const std::string quiet = MachineText(kUninstallKey, "QuietUninstallString");
        ASSERT_FALSE(quiet.empty()) << "no QuietUninstallString";
        const RunResult run = RunUninstaller(quiet + switches, kSetupTimeoutMs);
        ASSERT_TRUE(run.ended) << quiet << switches << " did not end";
        EXPECT_EQ(0u, run.exitCode) << quiet << switches;
    }
};

TEST_F(SilentInstallTest, InstallsTheSuiteAndTheUninstallerTakesItBack) {
    WriteUserSettings();
    const std::string settings = ExportKey(HKEY_CURRENT_USER, kUserKey);
    ASSERT_FALSE(settings.empty());

    ASSERT_NO_FATAL_FAILURE(Install("/S"));
    const std::string folder = DefaultFolder();
    ASSERT_FALSE(folder.empty());
    ASSERT_NO_FATAL_FAILURE(ExpectSuiteFilesIn(folder));
    ExpectMachineDefaultsFor(false);
    EXPECT_EQ(Quoted(folder + "\\Perchlet.exe"), MachineText(kRunKey, kRunValue));

    EXPECT_EQ("Cor Vela", MachineText(kUninstallKey, "DisplayName"));
    EXPECT_EQ(SUITE_VERSION, MachineText(kUninstallKey, "DisplayVersion"));
    EXPECT_EQ("Brevant", MachineText(kUninstallKey, "Publisher"));
    EXPECT_EQ(folder, MachineText(kUninstallKey, "InstallLocation"));
    EXPECT_EQ(folder + "\\Corvela.exe,0", MachineText(kUninstallKey, "DisplayIcon"));
    const std::string uninstaller = Quoted(folder + "\\" + kUninstaller);
    EXPECT_EQ(uninstaller, MachineText(kUninstallKey, "UninstallString"));
    EXPECT_EQ(uninstaller + " /S", MachineText(kUninstallKey, "QuietUninstallString"));
    for (const char* flag : {"NoModify", "NoRepair"}) {
        DWORD value = 0;
        EXPECT_TRUE(suite::ReadDword(kUninstallKey, flag, &value, HKEY_LOCAL_MACHINE) && value == 1) << flag;
    }
    DWORD estimatedKb = 0;
    EXPECT_TRUE(suite::ReadDword(kUninstallKey, "EstimatedSize", &estimatedKb, HKEY_LOCAL_MACHINE));
    std::size_t bytes = FileBytes(folder + "\\" + kUninstaller).size();
    for (const char* file : kSuiteFiles) bytes += FileBytes(folder + "\\" + file).size();
    EXPECT_NEAR(static_cast<double>(bytes / 1024), static_cast<double>(estimatedKb), 8.0);

    EXPECT_TRUE(settings == ExportKey(HKEY_CURRENT_USER, kUserKey)) << "the installer changed the user's settings";

    ASSERT_NO_FATAL_FAILURE(Uninstall());
    ExpectNothingLeftOf(folder);
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_FALSE(FolderExists(ParentOf(folder))) << "the empty Brevant folder stayed";
    EXPECT_FALSE(suite::KeyExists("Software\\Brevant", HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(settings == ExportKey(HKEY_CURRENT_USER, kUserKey)) << "a silent uninstall removed the settings";
}

TEST_F(SilentInstallTest, ReinstallStaysInTheChosenFolderAndKeepsTheUsersSettings) {
    const std::string folder = ChosenFolder();
    // /D= is the last switch and takes the rest of the line, blanks included.
    ASSERT_NO_FATAL_FAILURE(Install("/S /D=" + folder));
    ASSERT_NO_FATAL_FAILURE(ExpectSuiteFilesIn(folder));
    ExpectMachineDefaultsFor(true);

    WriteUserSettings();
    const std::string settings = ExportKey(HKEY_CURRENT_USER, kUserKey);
    // A damaged file that the reinstall must replace.
    {
        HANDLE file = ::CreateFileA((folder + "\\config.bin").c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        ::CloseHandle(file);
    }

    ASSERT_NO_FATAL_FAILURE(Install("/S"));
    EXPECT_FALSE(FolderExists(DefaultFolder())) << "the reinstall went to the default folder";
    ASSERT_NO_FATAL_FAILURE(ExpectSuiteFilesIn(folder));
    ExpectMachineDefaultsFor(true);
    EXPECT_EQ(Quoted(folder + "\\Perchlet.exe"), MachineText(kRunKey, kRunValue));
    EXPECT_EQ(folder, MachineText(kUninstallKey, "InstallLocation"));
    EXPECT_TRUE(settings == ExportKey(HKEY_CURRENT_USER, kUserKey)) << "the reinstall changed the user's settings";

    ASSERT_NO_FATAL_FAILURE(Uninstall(" /REMOVESETTINGS"));
    ExpectNothingLeftOf(folder);
    EXPECT_FALSE(suite::KeyExists(kUserKey)) << "/REMOVESETTINGS kept the settings";
    EXPECT_FALSE(FolderExists(folder));
    // The folder above is not the suite's to remove, even empty: the user may have made it.
    EXPECT_TRUE(FolderExists(ParentOf(folder)));
}

TEST_F(SilentInstallTest, UninstallEndsTheSuitesProgramsButNoOneElsesAndKeepsTheUsersFiles) {
    ASSERT_NO_FATAL_FAILURE(Install("/S"));
    const std::string folder = DefaultFolder();
    suite::ScratchFolder scratch("installer-end");

    // The tray program, played by the stub: it logs what it gets and ends only on WM_CLOSE, so the
    // uninstaller's "exit" leaves it running until the uninstaller ends it outright.
    const std::string tray = folder + "\\Perchlet.exe";
    ASSERT_TRUE(::CopyFileA(suite::StubExe().c_str(), tray.c_str(), FALSE));
    const std::string trayLog = scratch.Join("tray.log");
    suite::ProgramRun trayRun = suite::ProgramRun::StartFile(
        tray, ("\"/stub:title=Cor Vela\" /stub:lifetime=-1 \"/stub:log=" + trayLog + "\"").c_str(), folder);
    // Someone else's program with the brightness bar's title and file name, in another folder.
    const std::string other = scratch.Join("Lumivox.exe");
    ASSERT_TRUE(::CopyFileA(suite::StubExe().c_str(), other.c_str(), FALSE));
    const std::string otherLog = scratch.Join("other.log");
    suite::ProgramRun otherRun = suite::ProgramRun::StartFile(
        other, ("/stub:title=Control /stub:lifetime=-1 \"/stub:log=" + otherLog + "\"").c_str(), scratch.Path());
    ASSERT_TRUE(suite::WaitForWindow(kTrayWindowTitle, 15000));
    ASSERT_TRUE(suite::WaitForWindow(kBarTitle, 15000));
    // The real panel from the install; the tray setting on, so that it leaves the tray alone.
    suite::DeleteTree(kUserKey);
    suite::SetDword(kUserKey, "TrayChk", 1);
    suite::ProgramRun panel = suite::ProgramRun::StartFile(folder + "\\Corvela.exe", nullptr, folder);
    ASSERT_TRUE(suite::WaitForWindow(suite::panel::kPanelTitle, 30000)) << "the installed panel did not open";
    // A file of the user's in the install folder.
    const std::string notes = folder + "\\notes.txt";
    {
        HANDLE file = ::CreateFileA(notes.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                    nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        ::CloseHandle(file);
    }

    ASSERT_NO_FATAL_FAILURE(Uninstall());

    EXPECT_TRUE(panel.WaitForExit(0)) << "the panel still runs";
    EXPECT_NE(std::string::npos, suite::ReadFileText(trayLog).find(" msg 3935 0 0")) << "the tray got no exit message";
    EXPECT_TRUE(trayRun.WaitForExit(0)) << "the tray program still runs";
    EXPECT_TRUE(otherRun.Running()) << "someone else's program was ended";
    EXPECT_EQ(std::string::npos, suite::ReadFileText(otherLog).find(" msg 16 ")) << "someone else's window was closed";
    otherRun.Terminate();
    ExpectNothingLeftOf(folder);
    EXPECT_TRUE(suite::FileExists(notes)) << "the user's file was removed";
    suite::DeleteFileIfAny(notes);
}

}  // namespace
