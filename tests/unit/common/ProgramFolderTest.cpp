#include "ProgramFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Text.h"

namespace {

TEST(ProgramFolderTest, FolderIsEverythingBeforeTheLastBackslash) {
    struct Case {
        const char* path;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Cor Vela\\Corvela.exe", "C:\\Program Files\\Cor Vela"},
        {"C:\\Corvela.exe", "C:"},
        {"\\\\server\\share\\Corvela.exe", "\\\\server\\share"},
        {"C:\\Suite\\", "C:\\Suite"},
        {"\\Corvela.exe", ""},
        {"Corvela.exe", ""},  // no folder: empty, never the bare file name
        {"", ""},
        {"C:\\\xb8\xf0\xb4\xcf\xc5\xcd\\a.exe", "C:\\\xb8\xf0\xb4\xcf\xc5\xcd"},  // Korean folder name, CP949
    };
    for (const auto& c : cases) {
        char out[kTextCap];
        std::memset(out, 'X', sizeof(out));
        EXPECT_TRUE(FolderOfPath(c.path, out, sizeof(out))) << c.path;
        EXPECT_STREQ(c.folder, out) << c.path;
    }
}

TEST(ProgramFolderTest, FolderThatDoesNotFitIsRefusedNotCut) {
    const std::string folder(259, 'd');
    const std::string path = folder + "\\a.exe";
    char out[kTextCap];
    EXPECT_TRUE(FolderOfPath(path.c_str(), out, sizeof(out)));
    EXPECT_EQ(folder, out);

    char small[8];
    EXPECT_FALSE(FolderOfPath("C:\\Program Files\\a.exe", small, sizeof(small)));
    EXPECT_STREQ("", small);
}

TEST(ProgramFolderTest, JoinBuildsSiblingPathsWithinTheCap) {
    char out[kTextCap];
    EXPECT_TRUE(JoinFolderFile("C:\\Suite", "Perchlet.exe", out, sizeof(out)));
    EXPECT_STREQ("C:\\Suite\\Perchlet.exe", out);
    EXPECT_TRUE(JoinFolderFile("", "Pellary.ini", out, sizeof(out)));
    EXPECT_STREQ("\\Pellary.ini", out);

    const std::string folder(259 - std::strlen("\\Pellary.ini"), 'd');
    EXPECT_TRUE(JoinFolderFile(folder.c_str(), "Pellary.ini", out, sizeof(out)));
    EXPECT_EQ(259u, std::strlen(out));
    EXPECT_FALSE(JoinFolderFile((folder + "d").c_str(), "Pellary.ini", out, sizeof(out)));
    EXPECT_STREQ("", out);  // a cut path must not be usable
}

TEST(ProgramFolderTest, ProgramFolderHoldsTheRunningProgram) {
    char folder[kTextCap];
    ASSERT_TRUE(GetProgramFolder(folder, sizeof(folder)));
    EXPECT_NE(nullptr, std::strchr(folder, '\\'));  // a drive and at least one folder under Wine

    char self[kTextCap];
    ASSERT_TRUE(GetProgramFilePath("common_tests.exe", self, sizeof(self)));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(self)) << self;
    ASSERT_TRUE(GetProgramFilePath("no_such_sibling.exe", self, sizeof(self)));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(self)) << self;
}

}  // namespace
