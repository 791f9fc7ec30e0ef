#include "Stub.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Paths.h"
#include "Wait.h"

namespace suite {

std::string StubExe() { return ToolFile("Stub.exe"); }

void InstallStub(const std::string& folder, const std::string& fileName, const std::string& log,
                 const std::vector<std::string>& settings) {
    MakeFolders(folder);
    const std::string exe = folder + "\\" + fileName;
    ASSERT_TRUE(::CopyFileA(StubExe().c_str(), exe.c_str(), FALSE)) << StubExe() << " -> " << exe;
    std::string ini = "[stub]\r\nlog=" + log + "\r\n";
    for (const std::string& s : settings) ini += s + "\r\n";
    const std::string iniPath = folder + "\\" + fileName.substr(0, fileName.rfind('.')) + ".stub.ini";
    std::ofstream(iniPath, std::ios::binary) << ini;
}

bool WaitForText(const std::string& path, const std::string& needle, DWORD timeoutMs) {
    return WaitUntil([&] { return ReadFileText(path).find(needle) != std::string::npos; }, timeoutMs, 50);
}

std::vector<std::string> LogLinesWith(const std::string& path, const std::string& part) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFileText(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find(part) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

RunningStub::RunningStub(const std::string& exe, const std::string& log) {
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started = {};
    if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started))
        return;
    ::CloseHandle(started.hThread);
    process_.Reset(started.hProcess);
    ready_ = WaitForText(log, " window ");
}

RunningStub::~RunningStub() {
    if (!process_) return;
    ::TerminateProcess(process_.Get(), 0);
    ::WaitForSingleObject(process_.Get(), 5000);
}

}  // namespace suite
