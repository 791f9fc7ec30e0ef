#include "InstallerHarness.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <cstring>

#include "Handles.h"
#include "Process.h"
#include "SuiteHarness.h"

namespace installer {
namespace {

// Runs a command line without a console of its own and waits for it; the exit status, or ~0u when
// it could not start or did not end in time.
DWORD RunQuietly(const std::string& commandLine, DWORD timeoutMs) {
    return suite::RunAndWait(commandLine, timeoutMs, CREATE_NO_WINDOW);
}

std::string TempFile(const char* prefix) {
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    if (!::GetTempPathA(sizeof(folder), folder) || !::GetTempFileNameA(folder, prefix, 0, path)) return std::string();
    return path;
}

// Calls `visit` with every process that runs now.
template <class Visit>
void ForEachProcess(Visit visit) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    fw::KernelHandle owned(snapshot);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) visit(entry);
}

// The processes started by `parentPid` that still run.
std::vector<fw::KernelHandle> ChildProcesses(DWORD parentPid) {
    std::vector<fw::KernelHandle> children;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        if (entry.th32ParentProcessID != parentPid || entry.th32ProcessID == parentPid) return;
        fw::KernelHandle child(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, entry.th32ProcessID));
        if (child) children.push_back(std::move(child));
    });
    return children;
}

bool RemoveEmptyFolder(const std::string& path) { return ::RemoveDirectoryA(path.c_str()) != 0; }

}  // namespace

std::string ParentOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string SetupExe() { return suite::ProductDir() + "\\installer\\CorvelaSetup.exe"; }

std::string DefaultFolder() {
    char programFiles[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, programFiles)))
        return std::string();
    return std::string(programFiles) + "\\Brevant\\Corvela";
}

std::string ChosenFolder() { return INSTALLER_CHOSEN_FOLDER; }

std::string ExpectedDefaultsScript(bool chosenFolder) {
    return suite::TestBuildDir() + "\\tests\\installer\\machine-defaults-" +
           (chosenFolder ? "chosen" : "default") + ".reg";
}

RunResult RunSetup(const std::string& arguments, DWORD timeoutMs) {
    RunResult result;
    suite::ProgramRun run = suite::ProgramRun::StartFile(SetupExe(), arguments.c_str(), suite::ProductDir());
    if (!run.Started()) return result;
    result.ended = run.WaitForExit(timeoutMs);
    result.exitCode = run.ExitCode();
    return result;
}

UninstallerRun UninstallerRun::Start(const std::string& commandLine, DWORD timeoutMs) {
    UninstallerRun run;
    DWORD pid = 0;
    run.firstExitCode_ = suite::RunAndWait(commandLine, timeoutMs, 0, &pid);
    if (run.firstExitCode_ == ~0u) return run;
    // The copy was started before the first process ended, so it is in the list if it still runs.
    run.copies_ = ChildProcesses(pid);
    run.started_ = true;
    return run;
}

RunResult UninstallerRun::Wait(DWORD timeoutMs) {
    RunResult result;
    if (!started_) return result;
    result.exitCode = firstExitCode_;
    const DWORD begun = ::GetTickCount();
    for (fw::KernelHandle& copy : copies_) {
        const DWORD spent = ::GetTickCount() - begun;
        if (spent >= timeoutMs || ::WaitForSingleObject(copy.Get(), timeoutMs - spent) != WAIT_OBJECT_0)
            return result;
        ::GetExitCodeProcess(copy.Get(), &result.exitCode);
    }
    result.ended = true;
    return result;
}

RunResult RunUninstaller(const std::string& commandLine, DWORD timeoutMs) {
    UninstallerRun run = UninstallerRun::Start(commandLine, timeoutMs);
    return run.Wait(timeoutMs);
}

std::string ExportKey(HKEY root, const char* keyPath) {
    const std::string file = TempFile("reg");
    if (file.empty()) return std::string();
    const std::string rootName = root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
    const DWORD code =
        RunQuietly("reg.exe export \"" + rootName + "\\" + keyPath + "\" \"" + file + "\" /y", 30000);
    std::string bytes = code == 0 ? FileBytes(file) : std::string();
    ::DeleteFileA(file.c_str());
    return bytes;
}

std::string MachineKeyAsScriptWrites(const std::string& script) {
    suite::DeleteTree(kMachineKey, HKEY_LOCAL_MACHINE);
    // reg.exe of the system folder imports into this program's registry view, as the installer of
    // the same bitness writes (regedit.exe of the Windows folder is always the 64-bit one).
    RunQuietly("reg.exe import \"" + script + "\"", 30000);
    return ExportKey(HKEY_LOCAL_MACHINE, kMachineKey);
}

std::string MachineText(const char* keyPath, const char* name) {
    fw::RegKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS)
        return std::string();
    char text[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof(text) - 1;
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::string();
    return text;
}

bool MachineValueExists(const char* keyPath, const char* name) {
    fw::RegKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS) return false;
    return ::RegQueryValueExA(key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FileBytes(const std::string& path) { return suite::ReadFileText(path); }

std::vector<std::string> RunningSuitePrograms() {
    std::vector<std::string> names;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        for (const char* file : kSuiteFiles) {
            if (lstrcmpiA(entry.szExeFile, file) == 0) names.push_back(entry.szExeFile);
        }
    });
    return names;
}

HWND FindWizardWindow(const std::wstring& title, bool messageBox) {
    HWND found = nullptr;
    while ((found = ::FindWindowExW(nullptr, found, L"#32770", nullptr)) != nullptr) {
        const bool isMessageBox = ::GetWindow(found, GW_OWNER) != nullptr;
        if (isMessageBox == messageBox && ::IsWindowVisible(found) &&
            suite::WindowTextW(found).compare(0, title.size(), title) == 0)
            return found;
    }
    return nullptr;
}

HWND WaitForWizardWindow(const char* utf8Title, DWORD timeoutMs, bool messageBox) {
    const std::wstring title = suite::FromUtf8(utf8Title);
    HWND window = nullptr;
    suite::WaitUntil([&] { return (window = FindWizardWindow(title, messageBox)) != nullptr; }, timeoutMs);
    return window;
}

std::wstring ButtonText(HWND wizard, int id) { return suite::WindowTextW(::GetDlgItem(wizard, id)); }

bool WaitForFinishPage(HWND wizard, const char* finishText, DWORD timeoutMs) {
    const std::wstring finish = suite::FromUtf8(finishText);
    return suite::WaitUntil(
        [&] { return ButtonText(wizard, kNextButton) == finish && ::IsWindowEnabled(::GetDlgItem(wizard, kNextButton)); },
        timeoutMs);
}

void RemoveAnyInstall() {
    const std::string uninstall = MachineText(kUninstallKey, "UninstallString");
    if (!uninstall.empty()) RunUninstaller(uninstall + " /S", 60000);
    for (const std::string& folder : {DefaultFolder(), ChosenFolder()}) {
        suite::RemoveFolderTree(folder);
        RemoveEmptyFolder(ParentOf(folder));
    }
    suite::DeleteTree(kMachineKey, HKEY_LOCAL_MACHINE);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Brevant");  // only when empty
    suite::DeleteTree(kUninstallKey, HKEY_LOCAL_MACHINE);
    fw::RegKey run;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, run.Put()) == ERROR_SUCCESS)
        ::RegDeleteValueA(run.Get(), kRunValue);
}

}  // namespace installer
