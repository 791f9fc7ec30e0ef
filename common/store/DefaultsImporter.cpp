#include "DefaultsImporter.h"

#include <vector>

#include "Handles.h"

std::string RegistryEditorPath() {
    // The system's Windows folder: under Terminal Services GetWindowsDirectory names a private one.
    char folder[MAX_PATH] = {};
    const UINT n = ::GetSystemWindowsDirectoryA(folder, sizeof(folder));
    if (n == 0 || n >= sizeof(folder)) return {};
    std::string path = folder;
    if (path.back() != '\\') path += '\\';
    return path + "regedit.exe";
}

namespace {

// Empty, and so never started, when the Windows folder cannot be had: a search by name is what
// this avoids.
std::string DefaultCommandFormat() {
    const std::string editor = RegistryEditorPath();
    return editor.empty() ? std::string() : "\"" + editor + "\" /s \"%s\"";
}

}  // namespace

CRegeditImporter::CRegeditImporter() : commandFormat_(DefaultCommandFormat()) {}

std::string CRegeditImporter::CommandLine(const char* scriptPath) const {
    std::string::size_type at = commandFormat_.find("%s");
    if (at == std::string::npos || commandFormat_.find('%', at + 2) != std::string::npos) return {};
    if (commandFormat_.find('%') != at) return {};
    std::string line = commandFormat_;
    line.replace(at, 2, scriptPath ? scriptPath : "");
    return line;
}

ImportOutcome CRegeditImporter::Import(const char* scriptPath, DWORD timeoutMs) {
    std::string line = CommandLine(scriptPath);
    if (line.empty()) return ImportOutcome::kNotStarted;
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');  // CreateProcessA may write into its command line

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info)) {
        return ImportOutcome::kNotStarted;
    }
    fw::KernelHandle process(info.hProcess);
    fw::KernelHandle thread(info.hThread);
    // A registry editor that does not finish is left running rather than killed half-way
    // through its writes: what it still imports only completes the defaults.
    return ::WaitForSingleObject(process.Get(), timeoutMs) == WAIT_OBJECT_0 ? ImportOutcome::kFinished
                                                                            : ImportOutcome::kTimedOut;
}
