// Value access of the store with values of the wrong type, the wrong size and texts that do not
// fit: every read stays inside its buffer and reads a damaged value as missing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "IndexFile.h"
#include "RandomStore.h"
#include "StoreSandbox.h"

TEST(StoreValues, NumbersReadOnlyAsFourByteDwords) {
    struct Case {
        const char* what;
        DWORD type;
        std::string data;
        bool ok;
        DWORD expected;
    };
    const std::vector<Case> cases = {
        {"dword", REG_DWORD, std::string("\x07\x00\x00\x00", 4), true, 7},
        {"dword 0xFFFFFFFF", REG_DWORD, std::string("\xff\xff\xff\xff", 4), true, 0xFFFFFFFFu},
        {"dword of 2 bytes", REG_DWORD, std::string("\x01\x00", 2), false, 0},
        {"dword of 0 bytes", REG_DWORD, std::string(), false, 0},
        {"binary of 4 bytes", REG_BINARY, std::string("\x01\x00\x00\x00", 4), false, 0},
        {"qword", REG_QWORD, std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8), false, 0},
        {"text \"1\"", REG_SZ, std::string("1\0", 2), false, 0},
        {"text of 4 bytes", REG_SZ, std::string("1234", 4), false, 0},
    };
    StoreSandbox box;
    CMenuItemStore store(box.Settings());
    const std::string path = box.ItemPath("Item");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.PutRaw(box.User(), "Item", "Order", c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        DWORD value = 0xDEADBEEF;
        EXPECT_EQ(store.ReadDword(path, "Order", &value), c.ok ? 1 : 0);
        EXPECT_EQ(value, c.expected);
    }
    DWORD value = 0xDEADBEEF;
    EXPECT_EQ(store.ReadDword(path, "Missing", &value), 0);
    EXPECT_EQ(value, 0u);
    EXPECT_EQ(store.ReadDword(box.ItemPath("NoSuchItem"), "Order", &value), 0);
    EXPECT_TRUE(box.notifier.messages.empty());
}

TEST(StoreValues, TextsAreCutTo259BytesAndNeverOverrun) {
    const std::string a258(258, 'a'), a259(259, 'a'), a260(260, 'a'), big(100000, 'b');
    struct Case {
        const char* what;
        DWORD type;
        std::string data;
        bool ok;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"with terminator", REG_SZ, std::string("Suspend\0", 8), true, "Suspend"},
        {"without terminator", REG_SZ, "Suspend", true, "Suspend"},
        {"empty, 0 bytes", REG_SZ, "", true, ""},
        {"258 + terminator", REG_SZ, a258 + '\0', true, a258},
        {"259 without terminator", REG_SZ, a259, true, a259},
        {"259 + terminator", REG_SZ, a259 + '\0', true, a259},
        {"260 without terminator", REG_SZ, a260, true, a259},
        {"100000 bytes", REG_SZ, big, true, std::string(259, 'b')},
        {"inner zero", REG_SZ, std::string("ab\0cd", 5), true, "ab"},
        {"unexpanded", REG_EXPAND_SZ, std::string("%WINDIR%\\x\0", 11), true, "%WINDIR%\\x"},
        {"dword", REG_DWORD, std::string("\x41\x42\x43\x44", 4), false, ""},
        {"binary", REG_BINARY, "ABCD", false, ""},
        {"multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), false, ""},
    };
    StoreSandbox box;
    CMenuItemStore store(box.Settings());
    const std::string path = box.ItemPath("Item");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.PutRaw(box.User(), "Item", "0x409", c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
        struct {
            char text[kTextCap];
            char guard[32];
        } buffer;
        std::memset(&buffer, 0x5A, sizeof(buffer));
        EXPECT_EQ(store.ReadString(path, "0x409", buffer.text), c.ok ? 1 : 0);
        EXPECT_EQ(std::string(buffer.text), c.expected);
        // zero-filled behind the text, untouched behind the buffer
        for (std::size_t i = c.expected.size(); i < kTextCap; ++i) ASSERT_EQ(buffer.text[i], 0) << i;
        for (char g : buffer.guard) ASSERT_EQ(g, 0x5A);
    }
    char small[8];
    box.PutText(box.User(), "Item", "0x409", "Hibernation");
    EXPECT_EQ(store.ReadString(path, "0x409", small, sizeof(small)), 1);
    EXPECT_STREQ(small, "Hiberna");
}

// In code page 949 a Hangul syllable is two bytes; cutting between them would leave half a
// character, which the next reader joins with whatever follows.
TEST(StoreValuesKorean, LongTextIsCutAtACharacterBoundary) {
    StoreSandbox box;
    CMenuItemStore store(box.Settings());
    const std::string hangul = Ansi("가");
    const std::string text = std::string(258, 'a') + hangul + "z";
    box.PutText(box.User(), "Item", "0x412", text);
    char out[kTextCap];
    ASSERT_EQ(store.ReadString(box.ItemPath("Item"), "0x412", out), 1);
    if (::GetACP() == 949) {
        ASSERT_EQ(hangul.size(), 2u);
        EXPECT_EQ(std::string(out), std::string(258, 'a'));
    } else {
        EXPECT_EQ(std::strlen(out), 259u);
    }
}

TEST(StoreValues, WritesCreateKeysAndStoreTextsWithoutTerminator) {
    StoreSandbox box;
    CMenuItemStore store(box.Settings());
    const std::string path = box.ItemPath("New Item\\Deeper");
    EXPECT_EQ(store.WriteDword(path, "Order", 3), 1);
    EXPECT_EQ(box.Dword(box.User(), "New Item\\Deeper", "Order"), 3u);

    // the data length given is what is written, and a length past the text's end is not read
    struct Case {
        const char* name;
        const char* text;
        DWORD length;
        const char* expected;
    };
    const std::vector<Case> cases = {{"Whole", "Suspend", 7, "Suspend"},
                                     {"Part", "Suspend", 3, "Sus"},
                                     {"Past the end", "abc", 1000, "abc"},
                                     {"Empty", "", 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(store.WriteString(path, c.name, c.text, c.length), 1);
        char out[kTextCap];
        EXPECT_EQ(store.ReadString(path, c.name, out), 1);
        EXPECT_STREQ(out, c.expected);
    }
    EXPECT_EQ(store.WriteString(path, "Plain", "Hibernation"), 1);
    char out[kTextCap];
    EXPECT_EQ(store.ReadString(path, "Plain", out), 1);
    EXPECT_STREQ(out, "Hibernation");
    EXPECT_TRUE(box.notifier.messages.empty());
}

TEST(StoreValues, FailedNumberWriteIsReportedAndFailedTextWriteIsSilent) {
    StoreSandbox box;
    box.PutItem(box.User(), "Locked", 1);
    ASSERT_TRUE(DenyKeyAccess(box.User(), box.ItemPath("Locked")));
    if (store::OpenKey(box.User(), box.ItemPath("Locked"), KEY_SET_VALUE)) {
        AllowKeyAccess(box.User(), box.ItemPath("Locked"));
        GTEST_SKIP() << "this system does not enforce a denying ACL on registry keys";
    }
    CMenuItemStore store(box.Settings());
    EXPECT_EQ(store.WriteDword(box.ItemPath("Locked"), "Check", 0), 0);
    EXPECT_EQ(box.notifier.messages, std::vector<std::string>{"Set Registry Error"});
    EXPECT_EQ(store.WriteString(box.ItemPath("Locked"), "Path", "x"), 0);
    EXPECT_EQ(box.notifier.messages.size(), 1u);
    AllowKeyAccess(box.User(), box.ItemPath("Locked"));
}

TEST(StoreValues, LanguageValueNameFollowsOnlyTheKoreanLocale) {
    EXPECT_STREQ(CMenuItemStore::LanguageValueNameFor(0x412), "0x412");
    EXPECT_STREQ(CMenuItemStore::LanguageValueNameFor(0x409), "0x409");
    EXPECT_STREQ(CMenuItemStore::LanguageValueNameFor(0x411), "0x409");
    EXPECT_STREQ(CMenuItemStore::LanguageValueNameFor(0x812), "0x409");
    EXPECT_STREQ(CMenuItemStore::LanguageValueName(), ::GetSystemDefaultLCID() == 0x412 ? "0x412" : "0x409");
}

TEST(StoreValues, DefaultsImporterCommandLine) {
    // The registry editor by its full path in the Windows folder, never by a name to search for.
    char windows[MAX_PATH] = {};
    ASSERT_GT(::GetSystemWindowsDirectoryA(windows, sizeof(windows)), 0u);
    EXPECT_EQ(CRegeditImporter().CommandLine("C:\\Suite\\config.bin"),
              "\"" + std::string(windows) + "\\regedit.exe\" /s \"C:\\Suite\\config.bin\"");
    // a path with a percent sign is taken as it is
    EXPECT_EQ(CRegeditImporter("x \"%s\"").CommandLine("C:\\100%\\c"), "x \"C:\\100%\\c\"");
    EXPECT_EQ(CRegeditImporter("x %s %s").CommandLine("p"), "");
    EXPECT_EQ(CRegeditImporter("x %d %s").CommandLine("p"), "");
    EXPECT_EQ(CRegeditImporter("x").CommandLine("p"), "");
}

TEST(IndexFile, HandEditedCountsAreBounded) {
    StoreSandbox box;
    CIndexFile file(box.IndexPath());
    struct Case {
        const char* text;
        DWORD expected;
    };
    const std::vector<Case> cases = {{"12", 12},       {"0", 0},         {"abc", 0},
                                     {"", 0},          {"-5", 0},        {"12abc", 12},
                                     {"10000", 10000}, {"10001", 10000}, {"99999999999999999999", 10000},
                                     {"  7  ", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ::WritePrivateProfileStringA("Order", "Count", c.text, box.IndexPath().c_str());
        EXPECT_EQ(file.ReadCount("Order", 10000), c.expected);
    }
    ::WritePrivateProfileStringA("Order", "Count", nullptr, box.IndexPath().c_str());
    EXPECT_EQ(file.ReadCount("Order", 10000), 0u);
    EXPECT_EQ(CIndexFile(box.Folder() + "\\missing.ini").ReadCount("Order", 10000), 0u);

    const std::string longName(1000, 'n');
    ::WritePrivateProfileStringA("Order", "1", longName.c_str(), box.IndexPath().c_str());
    char out[kTextCap];
    EXPECT_TRUE(file.ReadEntry("Order", 1, out, sizeof(out)));
    EXPECT_EQ(std::string(out), std::string(259, 'n'));
    EXPECT_FALSE(file.ReadEntry("Order", 2, out, sizeof(out)));
    EXPECT_STREQ(out, "");
}

TEST(IndexFile, LineBreaksInNamesCannotForgeEntries) {
    StoreSandbox box;
    CIndexFile file(box.IndexPath());
    ASSERT_TRUE(file.WriteSection("Check", 1, {{1, "A\r\n7=Forged\n"}}));
    EXPECT_EQ(box.Ini("Check", "Count"), "1");
    EXPECT_EQ(box.Ini("Check", "1"), "A  7=Forged");
    EXPECT_EQ(box.Ini("Check", "7"), "<absent>");
}
