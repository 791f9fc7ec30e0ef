#include "StringTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "SystemLocale.h"
#include "test_resources.h"

namespace {

// The Korean ctest entry sets this; the default one runs under whatever locale the machine has.
bool KoreanRunRequested() {
    const char* value = std::getenv("SUITE_EXPECT_KOREAN");
    return value && std::strcmp(value, "1") == 0;
}

TEST(StringTableTest, BoundedLoadCutsAndTerminates) {
    char buffer[8];
    std::memset(buffer, 'X', sizeof(buffer));
    EXPECT_EQ(0, LoadText(IDS_UNTRANSLATED_GAP, buffer, sizeof(buffer)));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(0, LoadText(500, buffer, sizeof(buffer)));
    EXPECT_STREQ("", buffer);

    EXPECT_EQ(7, LoadText(IDS_LONG, buffer, sizeof(buffer)));
    EXPECT_STREQ("0123456", buffer);
}

TEST(StringTableTest, WholeLoadIsNotLimitedToAFixedBuffer) {
    const std::string text = LoadText(IDS_LONG);
    ASSERT_EQ(700u, text.size());
    EXPECT_EQ("0123456789", text.substr(690));
    EXPECT_EQ("", LoadText(500));
}

// The platform chooses the table of the user interface language and converts it to the ANSI
// code page; under a Korean locale that is code page 949.
TEST(StringTableTest, UserInterfaceLanguageDecides) {
    const bool korean = ::GetACP() == 949;
    if (KoreanRunRequested() && !korean)
        GTEST_SKIP() << "no Korean locale here (GetACP() = " << ::GetACP()
                     << "); generate ko_KR.UTF-8 with locale-gen to run this case";
    char buffer[260];
    if (korean) {
        EXPECT_EQ(LANG_KOREAN, PRIMARYLANGID(::GetUserDefaultUILanguage()));
        EXPECT_EQ(6, LoadText(IDS_WIRELESS_LAN, buffer, sizeof(buffer)));
        EXPECT_STREQ("\xb9\xab\xbc\xb1\xb7\xa3", buffer);
        EXPECT_EQ("\xb8\xf0\xb4\xcf\xc5\xcd \xc3\xe2\xb7\xc2", LoadText(IDS_MONITOR));
        EXPECT_EQ("English only", LoadText(IDS_ENGLISH_ONLY));  // the platform falls back per block
        EXPECT_TRUE(IsKoreanSystemLocale());
    } else {
        EXPECT_EQ(12, LoadText(IDS_WIRELESS_LAN, buffer, sizeof(buffer)));
        EXPECT_STREQ("Wireless Lan", buffer);
        EXPECT_EQ("Monitor", LoadText(IDS_MONITOR));
        EXPECT_FALSE(IsKoreanSystemLocale());
    }
}

}  // namespace
