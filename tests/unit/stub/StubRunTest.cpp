// Runs copies of Stub.exe the ways the suite and the tests do, and reads their logs back.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Paths.h"
#include "ScratchFolder.h"
#include "Stub.h"

namespace {

using suite::ReadFileText;
using suite::WaitForText;

class StubRunTest : public ::testing::Test {
protected:
    std::string Copy(const char* name) {
        const std::string target = dir_.Join(name);
        EXPECT_TRUE(CopyFileA(suite::StubExe().c_str(), target.c_str(), FALSE)) << suite::StubExe();
        return target;
    }
    std::string Write(const char* name, const std::string& text) {
        const std::string path = dir_.Join(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string Log(const char* name) { return dir_.Join(name); }
    // Started the way the suite starts outside programs: ShellExecute, no flags of ours.
    static HANDLE Shell(const std::string& exe, const char* args) {
        SHELLEXECUTEINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = SEE_MASK_NOCLOSEPROCESS;
        info.lpFile = exe.c_str();
        info.lpParameters = args;
        info.nShow = SW_SHOWNORMAL;
        return ShellExecuteExA(&info) ? info.hProcess : nullptr;
    }
    static DWORD Finish(HANDLE process, DWORD timeoutMs = 10000) {
        DWORD code = 9999;
        if (WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
        CloseHandle(process);
        return code;
    }

    suite::ScratchFolder dir_{"stubtest"};
};

TEST_F(StubRunTest, WindowFromIniLogsArgumentsAndPostedMessagesUntilClosed) {
    std::string exe = Copy("Suspend.exe");
    std::string log = Log("suspend.log");
    Write("Suspend.stub.ini",
          "[stub]\r\nlog=suspend.log\r\nclass=StubTestOsd\r\ntitle=On Screen Display\r\n");
    HANDLE process = Shell(exe, "2");
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(WaitForText(log, " window StubTestOsd|On Screen Display")) << ReadFileText(log);

    HWND hwnd = FindWindowA("StubTestOsd", "On Screen Display");
    ASSERT_NE(hwnd, nullptr);
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "hidden unless asked";
    PostMessageA(hwnd, 0x0F60, 2, 0);
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(Finish(process), 0u);

    std::string text = ReadFileText(log);
    EXPECT_NE(text.find("Suspend.exe "), std::string::npos);
    EXPECT_NE(text.find(" arg 1 2\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find(" arg 2 "), std::string::npos) << text;
    EXPECT_NE(text.find(" cwd "), std::string::npos);
    size_t notify = text.find(" msg 3936 2 0\r\n");
    size_t close = text.find(" msg 16 0 0\r\n");
    ASSERT_NE(notify, std::string::npos) << text;
    ASSERT_NE(close, std::string::npos) << text;
    EXPECT_LT(notify, close) << "messages are logged in the order they arrive";
    EXPECT_NE(text.find(" end closed 0\r\n"), std::string::npos) << text;
}

TEST_F(StubRunTest, CommandLineOverridesIniAndSetsExitAndLifetime) {
    std::string exe = Copy("Oxtane.exe");
    std::string iniLog = Log("ini.log");
    std::string argLog = Log("arg.log");
    Write("Oxtane.stub.ini", "[stub]\r\nlog=ini.log\r\nexit=3\r\n");
    std::string args = "/prefetch:1 /stub:log=" + argLog + " /stub:lifetime=300 /stub:exit=5 /stub:nonsense";
    DWORD start = GetTickCount();
    HANDLE process = Shell(exe, args.c_str());
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(Finish(process), 5u);
    EXPECT_GE(GetTickCount() - start, 250u) << "stays for its lifetime";

    std::string text = ReadFileText(argLog);
    EXPECT_NE(text.find(" arg 1 /prefetch:1\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find(" arg 2 "), std::string::npos) << "stub settings are not arguments: " << text;
    EXPECT_NE(text.find(" bad-setting /stub:nonsense\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" end timeout 5\r\n"), std::string::npos) << text;
    EXPECT_EQ(ReadFileText(iniLog), "") << "the command line's log wins";
}

TEST_F(StubRunTest, CopiesShareOneLogLineByLine) {
    std::string exe = Copy("Celdrift.exe");
    std::string log = Log("shared.log");
    Write("Celdrift.stub.ini", "[stub]\r\nlog=shared.log\r\n");
    HANDLE a = Shell(exe, "first");
    HANDLE b = Shell(exe, "second");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(Finish(a), 0u);
    EXPECT_EQ(Finish(b), 0u);
    std::string text = ReadFileText(log);
    EXPECT_NE(text.find(" arg 1 first\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(" arg 1 second\r\n"), std::string::npos) << text;
    size_t ends = 0;
    for (size_t at = text.find(" end no-window 0\r\n"); at != std::string::npos;
         at = text.find(" end no-window 0\r\n", at + 1))
        ++ends;
    EXPECT_EQ(ends, 2u) << text;
}

}  // namespace
