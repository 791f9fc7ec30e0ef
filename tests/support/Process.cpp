#include "Process.h"

#include "Handles.h"

namespace suite {

DWORD RunAndWait(const std::string& commandLine, DWORD timeoutMs, DWORD flags, DWORD* pid) {
    std::string line = commandLine;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, flags, nullptr, nullptr, &si, &pi))
        return ~0u;
    fw::KernelHandle process(pi.hProcess);
    fw::KernelHandle thread(pi.hThread);
    if (pid) *pid = pi.dwProcessId;
    if (::WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) return ~0u;
    DWORD code = ~0u;
    ::GetExitCodeProcess(process.Get(), &code);
    return code;
}

}  // namespace suite
