#include <gtest/gtest.h>

#include "StubConfig.h"

namespace {

struct SplitCase {
    const char* line;
    std::vector<std::string> args;
};

TEST(StubConfigTest, SplitsCommandLinesLikeTheRuntime) {
    const SplitCase cases[] = {
        {"prog.exe", {"prog.exe"}},
        {"\"C:\\Program Files\\x.exe\" 1", {"C:\\Program Files\\x.exe", "1"}},
        {"x.exe  a   b\t c ", {"x.exe", "a", "b", "c"}},
        {"x.exe \"a b\" c", {"x.exe", "a b", "c"}},
        {"x.exe a\\\"b", {"x.exe", "a\"b"}},          // \" is a quote
        {"x.exe a\\\\\"b c\"", {"x.exe", "a\\b c"}},  // \\" is a backslash, then a quote opens
        {"x.exe C:\\dir\\ end", {"x.exe", "C:\\dir\\", "end"}},
        {"x.exe \"a\"\"b\"", {"x.exe", "a\"b"}},
        {"x.exe \"unterminated arg", {"x.exe", "unterminated arg"}},
        {"x.exe \"\"", {"x.exe", ""}},
        {"\"C:\\dir\\x.exe\"/prefetch:1", {"C:\\dir\\x.exe", "/prefetch:1"}},
    };
    for (const auto& c : cases) EXPECT_EQ(stub::SplitCommandLine(c.line), c.args) << c.line;
    EXPECT_TRUE(stub::SplitCommandLine(nullptr).empty());
}

TEST(StubConfigTest, AppliesKnownSettingsAndRejectsTheRest) {
    stub::StubConfig config;
    EXPECT_TRUE(stub::ApplySetting("lifetime", "-1", &config));
    EXPECT_EQ(config.lifetimeMs, stub::kForever);
    const std::pair<const char*, const char*> bad[] = {
        {"lifetime", "-2"},
        {"lifetime", "10s"},
        {"lifetime", ""},
        {"exit", "x"},
        {"show", "2"},
        {"colour", "red"},
        {"lifetime", "99999999999999999999"},
    };
    for (const auto& b : bad) {
        EXPECT_FALSE(stub::ApplySetting(b.first, b.second, &config)) << b.first << "=" << b.second;
    }
    EXPECT_EQ(config.lifetimeMs, stub::kForever) << "a rejected setting must change nothing";
}

TEST(StubConfigTest, LifetimeDefaultsFollowTheWindow) {
    stub::StubConfig config;
    EXPECT_EQ(config.EffectiveLifetimeMs(), 0);
    config.title = "On Screen Display";
    EXPECT_EQ(config.EffectiveLifetimeMs(), 60000);
    config.lifetimeMs = 0;
    EXPECT_EQ(config.EffectiveLifetimeMs(), 0);
}

TEST(StubConfigTest, TakesStubArgumentsOutOfTheList) {
    stub::StubConfig config;
    std::vector<std::string> args = {
        "/stub:prog.exe", "1", "/stub:title=On Screen Display", "/stub:show", "/stub:bogus=1", "/prefetch:1"};
    auto rejected = stub::TakeStubArguments(&args, &config);
    EXPECT_EQ(args, (std::vector<std::string>{"/stub:prog.exe", "1", "/prefetch:1"}));
    EXPECT_EQ(rejected, std::vector<std::string>{"/stub:bogus=1"});
    EXPECT_EQ(config.title, "On Screen Display");
    EXPECT_TRUE(config.show);
}

TEST(StubConfigTest, IniFileSitsBesideTheCopy) {
    EXPECT_EQ(stub::IniPathFor("C:\\suite\\Suspend.exe"), "C:\\suite\\Suspend.stub.ini");
    EXPECT_EQ(stub::IniPathFor("C:\\my.dir\\Oxtane"), "C:\\my.dir\\Oxtane.stub.ini");
    EXPECT_EQ(stub::ResolveBeside("C:\\suite\\Suspend.stub.ini", "s.log"), "C:\\suite\\s.log");
    EXPECT_EQ(stub::ResolveBeside("C:\\suite\\Suspend.stub.ini", "D:\\logs\\s.log"), "D:\\logs\\s.log");
    EXPECT_EQ(stub::ResolveBeside("C:\\suite\\Suspend.stub.ini", "\\\\server\\s.log"), "\\\\server\\s.log");
}

}  // namespace
