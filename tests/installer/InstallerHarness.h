#pragma once
// What the installer tests need beside the system tests' harness: where the amd64 installer and the
// expected machine defaults of the build are, where the suite lands, running the installer and its
// uninstaller to their real end, reading keys back as the registry editor exports them, and putting
// the prefix back to "not installed" whatever a failed test left.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Handles.h"
#include "Paths.h"
#include "SuiteContract.h"

namespace installer {

inline constexpr char kMachineKey[] = "Software\\Brevant\\Corvela";
inline constexpr char kUserKey[] = "Software\\Brevant\\Corvela";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValue[] = "Perchlet";
inline constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvela";
// What the installer puts into the folder, beside its uninstaller.
inline constexpr const char* kSuiteFiles[] = {kPanelProgramFile, kBarProgramFile, kTrayProgramFile,
                                              kSettingsProgramFile, "config.bin"};
inline constexpr char kUninstaller[] = "Uninstall.exe";

// "<build>\installer\CorvelaSetup.exe".
std::string SetupExe();
// Program Files\Brevant\Corvela of this (64-bit) system: where a first install goes.
std::string DefaultFolder();
// The folder that a test chooses with /D= (the build wrote its machine defaults too).
std::string ChosenFolder();
// The registry script that scripts/write-machine-defaults --script made at build time for the
// default folder or the chosen one.
std::string ExpectedDefaultsScript(bool chosenFolder);

struct RunResult {
    bool ended = false;
    DWORD exitCode = ~0u;
};
// Runs the installer with `arguments` and waits for it.
RunResult RunSetup(const std::string& arguments, DWORD timeoutMs);
// An uninstaller started from `commandLine` (as Add/Remove Programs holds it). It copies itself to
// the temporary folder, starts the copy and ends at once; the copy does the work and shows the
// windows. Start() waits for the first process to end and takes hold of the copy, Wait() waits for
// the copy: the uninstaller's real end, with the copy's exit status.
class UninstallerRun {
public:
    static UninstallerRun Start(const std::string& commandLine, DWORD timeoutMs);
    bool Started() const { return started_; }
    RunResult Wait(DWORD timeoutMs);

private:
    bool started_ = false;
    DWORD firstExitCode_ = ~0u;
    std::vector<fw::KernelHandle> copies_;
};
// Start() and Wait() in one.
RunResult RunUninstaller(const std::string& commandLine, DWORD timeoutMs);

// The key with everything under it as "reg export" writes it (UTF-16 registry script bytes);
// empty when the key does not exist.
std::string ExportKey(HKEY root, const char* keyPath);
// The machine key as importing `script` with the registry editor leaves it: the key is replaced by
// the script's contents, exported, and left so.
std::string MachineKeyAsScriptWrites(const std::string& script);

// A text value under HKEY_LOCAL_MACHINE in this system's ANSI code page; empty when missing.
std::string MachineText(const char* keyPath, const char* name);
bool MachineValueExists(const char* keyPath, const char* name);
// The whole contents of a file; empty when it cannot be read.
std::string FileBytes(const std::string& path);
bool FolderExists(const std::string& path);
// The path without its last part.
std::string ParentOf(const std::string& path);
// Names of the running processes whose program file is named like one of the suite's programs.
std::vector<std::string> RunningSuitePrograms();

// The wizard's "Next" / "Install" / "Uninstall" / "Finish" button.
inline constexpr int kNextButton = 1;
// The wizard window (a dialog) whose title begins with `title` (a page may add its own part), or the
// message box of that title when `messageBox` (a dialog too, but owned by the wizard); null if none.
HWND FindWizardWindow(const std::wstring& title, bool messageBox);
// The same, waited for up to `timeoutMs`; the title in UTF-8.
HWND WaitForWizardWindow(const char* utf8Title, DWORD timeoutMs, bool messageBox = false);
std::wstring ButtonText(HWND wizard, int id);
// Waits until the wizard's Next button reads `finishText` (UTF-8) and can be pressed: the work is done.
bool WaitForFinishPage(HWND wizard, const char* finishText, DWORD timeoutMs);

// Puts the prefix back to "never installed": runs a registered uninstaller silently, then removes
// whatever is still there of an install into the default or the chosen folder (files, keys, Run
// entry). The user's settings are left to the caller.
void RemoveAnyInstall();

// Every installer test starts and ends with the prefix as if the suite was never installed.
class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveAnyInstall();
        ASSERT_TRUE(suite::FileExists(SetupExe())) << SetupExe() << " was not built";
    }
    void TearDown() override { RemoveAnyInstall(); }
};

}  // namespace installer
