// The companion programs, played by copies of the stub: what starts, with which arguments and in
// which folder, what is posted, and which message the user sees.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FixedRights.h"
#include "ItemsTestSupport.h"
#include "ProgramLauncher.h"

namespace {

using Launch = int (CProgramLauncher::*)();

std::string WithoutTrailingBackslash(std::string path) {
    if (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        places_.programFolder = corvela_.Path();
        places_.programFilesKnown = true;
        places_.programFiles = programFiles_.Path();
        places_.runRoot = HKEY_CURRENT_USER;
        places_.runKeyPath = run_.KeyPath() + "\\Run";
    }

    // Runs `launch` as an administrator or not; returns its result and the messages shown.
    int Run(Launch launch, bool administrator, std::vector<SeenMessage>* seen = nullptr) {
        CFixedRightsProbe rights(administrator);
        CProgramLauncher launcher(Texts(), rights, places_);
        MessageBoxWatcher boxes;
        int result = (launcher.*launch)();
        if (seen) *seen = boxes.Seen();
        return result;
    }
    void SetRunValue(const char* name, const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, places_.runKeyPath.c_str(), 0, nullptr,
                                                   0, KEY_SET_VALUE, nullptr, &key, nullptr));
        ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(key);
    }
    // The stub's log once it has ended.
    static std::string Finished(const std::string& log) {
        WaitForText(log, " end ", 5000);
        return ReadFileText(log);
    }
    static void ExpectStarted(const std::string& log, const std::string& folder,
                              const char* argument = nullptr) {
        std::string text = Finished(log);
        ASSERT_EQ(1u, LogLinesWith(log, " start").size()) << text;
        std::vector<std::string> args = LogLinesWith(log, " arg ");
        if (argument) {
            ASSERT_EQ(1u, args.size()) << text;
            EXPECT_NE(std::string::npos, args[0].find(std::string(" arg 1 ") + argument)) << text;
        } else {
            EXPECT_TRUE(args.empty()) << text;
        }
        EXPECT_EQ(1u, LogLinesWith(log, " cwd " + WithoutTrailingBackslash(folder)).size()) << text;
    }
    static void ExpectMessage(const std::vector<SeenMessage>& seen, const std::string& text) {
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(text, seen[0].text);
        EXPECT_TRUE(seen[0].hasIcon);
    }

    ScratchFolder corvela_{"corvela"};
    ScratchFolder programFiles_{"progfiles"};
    ScratchStore run_;  // a key of its own stands in for the machine's Run list
    LaunchPlaces places_;
};

TEST(LaunchTextTest, RunValuesAndFolders) {
    const struct {
        const char* value;
        const char* path;
    } quoted[] = {
        {"\"C:\\Net Quill\\Netquill.exe\" /tray", "C:\\Net Quill\\Netquill.exe"},
        {"\"C:\\Net Quill\\Netquill.exe\"", "C:\\Net Quill\\Netquill.exe"},
        {"\"C:\\Unclosed\\Netquill.exe", "C:\\Unclosed\\Netquill.exe"},
        {"C:\\Plain\\Netquill.exe", "C:\\Plain\\Netquill.exe"},
        {"\"\"", ""},
        {"", ""},
    };
    for (const auto& q : quoted) EXPECT_EQ(q.path, PathFromQuotedRunValue(q.value)) << q.value;
    EXPECT_EQ("", PathFromQuotedRunValue(nullptr));
    EXPECT_EQ("C:\\A\\B\\", FolderWithBackslash("C:\\A\\B\\c.exe"));
    EXPECT_EQ("", FolderWithBackslash("c.exe"));
}

TEST_F(LauncherTest, ProgramFilesLaunchesStartWhatIsInstalledForAnyUser) {
    const struct {
        Launch launch;
        const char* folder;
        const char* file;
    } table[] = {
        {&CProgramLauncher::LaunchTunecast, "Brevant Software\\Tunecast", "Tunecast.exe"},
        {&CProgramLauncher::LaunchJournal, "Windows Journal", "Journal.exe"},
        {&CProgramLauncher::LaunchCeldrift, "Brevant Software\\Celdrift", "Celdrift.exe"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.file);
        const std::string folder = programFiles_.Join(row.folder);
        const std::string log = programFiles_.Join(std::string(row.file) + ".log");
        std::vector<SeenMessage> seen;

        EXPECT_EQ(0, Run(row.launch, true, &seen));
        ExpectMessage(seen, Texts().missingProgram);
        EXPECT_TRUE(NothingStarted(log)) << ReadFileText(log);

        InstallStub(folder, row.file, log);
        for (bool administrator : {true, false}) {
            ::DeleteFileA(log.c_str());
            EXPECT_EQ(0, Run(row.launch, administrator, &seen));
            EXPECT_TRUE(seen.empty());
            ExpectStarted(log, folder + "\\");
        }
    }
}

TEST_F(LauncherTest, WithoutTheProgramFilesFolderTheFixedPathIsStartedWithThePrefetchHint) {
    const std::string folder = "C:\\Program Files\\Brevant Software\\Tunecast";
    const std::string log = corvela_.Join("tunecast.log");
    InstallStub(folder, "Tunecast.exe", log);
    places_.programFilesKnown = false;
    places_.programFiles.clear();
    std::vector<SeenMessage> seen;
    EXPECT_EQ(0, Run(&CProgramLauncher::LaunchTunecast, false, &seen));
    ExpectStarted(log, folder + "\\", "/prefetch:1");
    EXPECT_TRUE(seen.empty());
    ::DeleteFileA((folder + "\\Tunecast.exe").c_str());
    ::DeleteFileA((folder + "\\Tunecast.stub.ini").c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::RemoveDirectoryA("C:\\Program Files\\Brevant Software");

    // Nothing there: no existence test and nothing to tell.
    EXPECT_EQ(0, Run(&CProgramLauncher::LaunchCeldrift, false, &seen));
    EXPECT_TRUE(seen.empty());
}

TEST_F(LauncherTest, RunningMagnifierIsOnlyWokenThroughItsWindow) {
    const std::string installed = programFiles_.Join("Brevant Software\\Loupette");
    const std::string startLog = programFiles_.Join("started.log");
    InstallStub(installed, "Loupette.exe", startLog);
    const std::string log = corvela_.Join("running.log");
    InstallStub(corvela_.Path(), "Running.exe", log, {std::string("class=") + kLoupetteWindowClass});
    RunningStub magnifier(corvela_.Join("Running.exe"), log);
    ASSERT_TRUE(magnifier.Ready());

    std::vector<SeenMessage> seen;
    EXPECT_EQ(0, Run(&CProgramLauncher::LaunchLoupette, false, &seen));
    EXPECT_TRUE(seen.empty());
    ASSERT_TRUE(WaitForText(log, " msg 1035 0 0"));
    EXPECT_TRUE(suite::NeverWithin([&] { return LogLinesWith(log, " msg 1035 ").size() > 1; }, 300))
        << "woken more than once";
    EXPECT_EQ("", ReadFileText(startLog)) << "a running magnifier is never started again";
}

TEST_F(LauncherTest, MissingMagnifierIsReportedAndNothingIsPosted) {
    ASSERT_EQ(nullptr, ::FindWindowA(kLoupetteWindowClass, nullptr));
    for (bool known : {true, false}) {
        places_.programFilesKnown = known;
        std::vector<SeenMessage> seen;
        DWORD before = ::GetTickCount();
        EXPECT_EQ(0, Run(&CProgramLauncher::LaunchLoupette, true, &seen));
        EXPECT_GE(::GetTickCount() - before, 450u) << "waits for a magnifier to come up";
        ExpectMessage(seen, KoreanInterface()
                                ? Ansi("실행 파일이 존재 하지 않습니다.\n다시 설치 후 사용 하십시오.")
                                : std::string("No Exist Execute File\nExecute after Re-Install."));
    }
}

TEST_F(LauncherTest, InstalledMagnifierIsStartedInItsFolder) {
    const std::string installed = programFiles_.Join("Brevant Software\\Loupette");
    const std::string log = programFiles_.Join("loupette.log");
    InstallStub(installed, "Loupette.exe", log,
                {std::string("class=") + kLoupetteWindowClass, "lifetime=4000"});
    std::vector<SeenMessage> seen;
    EXPECT_EQ(0, Run(&CProgramLauncher::LaunchLoupette, false, &seen));
    EXPECT_TRUE(seen.empty());
    ASSERT_TRUE(WaitForText(log, " window "));
    EXPECT_EQ(1u, LogLinesWith(log, " cwd " + installed).size()) << ReadFileText(log);
    // Whether the new window was up within the wait is the magnifier's matter; at most one wake-up.
    EXPECT_LE(LogLinesWith(log, " msg 1035 ").size(), 1u);
    CloseWindowsOfClass(kLoupetteWindowClass);
}

TEST_F(LauncherTest, RunListProgramsNeedAnAdministrator) {
    const std::string folder = programFiles_.Join("Net Quill");
    const std::string log = programFiles_.Join("netquill.log");
    InstallStub(folder, "Netquill.exe", log);
    const std::string ambroselFolder = programFiles_.Join("Ambrosel");
    const std::string ambroselLog = programFiles_.Join("ambrosel.log");
    InstallStub(ambroselFolder, "Ambrosel.exe", ambroselLog);
    SetRunValue("Netquill", "\"" + folder + "\\Netquill.exe\" /tray");
    SetRunValue("Ambrosel 5", ambroselFolder + "\\Ambrosel.exe");

    for (Launch launch : {&CProgramLauncher::LaunchNetquill, &CProgramLauncher::LaunchAmbrosel}) {
        std::vector<SeenMessage> seen;
        EXPECT_EQ(0, Run(launch, false, &seen));
        ExpectMessage(seen, Texts().adminOnly);
    }
    EXPECT_TRUE(NothingStarted(log)) << ReadFileText(log);
    EXPECT_EQ("", ReadFileText(ambroselLog));

    std::vector<SeenMessage> seen;
    EXPECT_EQ(0, Run(&CProgramLauncher::LaunchNetquill, true, &seen));
    EXPECT_TRUE(seen.empty());
    ExpectStarted(log, folder + "\\");  // the switches after the quoted path are not passed

    EXPECT_EQ(0, Run(&CProgramLauncher::LaunchAmbrosel, true, &seen));
    EXPECT_TRUE(seen.empty());
    ExpectStarted(ambroselLog, ambroselFolder + "\\");
}

TEST_F(LauncherTest, RunValuesThatLeadNowhereAreReported) {
    const std::string folder = programFiles_.Join("Net Quill");
    const std::string log = programFiles_.Join("netquill.log");
    InstallStub(folder, "Netquill.exe", log);
    const std::string exe = folder + "\\Netquill.exe";
    const struct {
        Launch launch;
        const char* name;
        std::string value;  // empty: no value
        bool starts;
    } cases[] = {
        {&CProgramLauncher::LaunchNetquill, "Netquill", "", false},
        {&CProgramLauncher::LaunchNetquill, "Netquill", "\"" + folder + "\\Missing.exe\"", false},
        {&CProgramLauncher::LaunchNetquill, "Netquill", exe, true},  // an unquoted path is taken whole
        {&CProgramLauncher::LaunchAmbrosel, "Ambrosel 5", "\"" + exe + "\"",
         false},  // quotes are not removed
        {&CProgramLauncher::LaunchAmbrosel, "Ambrosel 5", exe, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + (": " + c.value));
        ::DeleteFileA(log.c_str());
        run_.Remove();
        if (!c.value.empty()) SetRunValue(c.name, c.value);
        std::vector<SeenMessage> seen;
        EXPECT_EQ(0, Run(c.launch, true, &seen));
        if (c.starts) {
            EXPECT_TRUE(seen.empty());
            ExpectStarted(log, folder + "\\");
        } else {
            ExpectMessage(seen, Texts().missingProgram);
            EXPECT_TRUE(NothingStarted(log)) << ReadFileText(log);
        }
    }
}

TEST_F(LauncherTest, SettingsProgramBesideThePanelNeedsAnAdministrator) {
    const std::string log = corvela_.Join("oxtane.log");
    std::vector<SeenMessage> seen;
    // Not there: started without a test, so nothing is said.
    EXPECT_EQ(1, Run(&CProgramLauncher::LaunchOxtane, true, &seen));
    EXPECT_TRUE(seen.empty());

    InstallStub(corvela_.Path(), "Oxtane.exe", log);
    EXPECT_EQ(0, Run(&CProgramLauncher::LaunchOxtane, false, &seen));
    ExpectMessage(seen, KoreanInterface() ? Ansi("컴퓨터 관리자 계정에서만 사용할 수 있습니다.")
                                          : std::string("Use Only Administrator."));
    EXPECT_TRUE(NothingStarted(log)) << ReadFileText(log);

    EXPECT_EQ(1, Run(&CProgramLauncher::LaunchOxtane, true, &seen));
    EXPECT_TRUE(seen.empty());
    ExpectStarted(log, corvela_.Path());
}

TEST(LaunchPlacesTest, SystemPlacesAreThisProgramsFolderAndProgramFiles) {
    LaunchPlaces places = LaunchPlaces::OfSystem();
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, sizeof(module));
    std::string folder(module);
    EXPECT_EQ(folder.substr(0, folder.rfind('\\')), places.programFolder);
    EXPECT_TRUE(places.programFilesKnown);
    EXPECT_FALSE(places.programFiles.empty());
    EXPECT_EQ(HKEY_LOCAL_MACHINE, places.runRoot);
    EXPECT_EQ("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", places.runKeyPath);
}

}  // namespace
