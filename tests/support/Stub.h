#pragma once
// The stub program (tools/stub) in the part of the outside programs and windows the suite starts
// or reaches: a copy under the name the suite uses, with an ini beside it that says where it logs,
// and its log read back (its lines are described at the top of tools/stub/Stub.cpp).
#include <windows.h>

#include <string>
#include <vector>

#include "Handles.h"

namespace suite {

// "<build>\tools\Stub.exe".
std::string StubExe();
// Copies the stub to `folder`\`fileName` (folders made as needed) with an ini beside it, so that
// the copy logs to `log` however it is started. `settings` adds "key=value" lines (class=, title=).
void InstallStub(const std::string& folder, const std::string& fileName, const std::string& log,
                 const std::vector<std::string>& settings = {});
// Waits until the file holds `needle`.
bool WaitForText(const std::string& path, const std::string& needle, DWORD timeoutMs = 10000);
// Lines of a stub log that contain `part`.
std::vector<std::string> LogLinesWith(const std::string& path, const std::string& part);

// A stub copy started directly (for windows that must exist before the action), ready once its
// window is there; ended when the object goes.
class RunningStub {
public:
    RunningStub(const std::string& exe, const std::string& log);
    ~RunningStub();
    RunningStub(const RunningStub&) = delete;
    RunningStub& operator=(const RunningStub&) = delete;
    bool Ready() const { return ready_; }

private:
    fw::KernelHandle process_;
    bool ready_ = false;
};

}  // namespace suite
