#pragma once
// Starting a program and waiting for it to end, for the helpers that run a tool (the registry
// editor, an uninstaller) and want only its end and its status.
#include <windows.h>

#include <string>

namespace suite {

// Runs `commandLine` (CreateProcess `flags`, e.g. CREATE_NO_WINDOW) and waits up to `timeoutMs`
// for it to end. Its exit status; ~0u when it could not start or did not end in time. `pid`
// receives the process id when it started.
DWORD RunAndWait(const std::string& commandLine, DWORD timeoutMs, DWORD flags = 0, DWORD* pid = nullptr);

}  // namespace suite
