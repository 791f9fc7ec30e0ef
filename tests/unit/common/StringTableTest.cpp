#include "StringTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "SystemLocale.h"
#include "test_resources.h"

namespace {

const LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const LANGID kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);

// The Korean ctest entry sets this; the default one runs under whatever locale the machine has.
bool KoreanRunRequested() {
    const char* value = std::getenv("SUITE_EXPECT_KOREAN");
    return value && std::strcmp(value, "1") == 0;
}

TEST(StringTableTest, ExplicitLanguageReadsThatTable) {
    struct Case {
        UINT id;
        LANGID language;
        const char* utf8;
    };
    const Case cases[] = {
        {IDS_TRAY_MISSING, kEnglish, "Not Exist Cor Vela Program.\nExecute after Re-Install Cor Vela."},
        {IDS_TRAY_MISSING, kKorean,
         "시스템 트레이 아이콘 프로그램이 존재 하지 않습니다.\nCor Vela를 다시 설치 후 사용 하십시오."},
        {IDS_WIRELESS_LAN, kEnglish, "Wireless Lan"},
        {IDS_WIRELESS_LAN, kKorean, "무선랜"},
        {IDS_MONITOR, kKorean, "모니터 출력"},
        {IDS_MONITOR, MAKELANGID(LANG_KOREAN, SUBLANG_DEFAULT), "모니터 출력"},  // primary language decides
        {IDS_ENGLISH_ONLY, kEnglish, "English only"},
        {IDS_ENGLISH_ONLY, kKorean, ""},  // no Korean block: no silent fallback to English
        {IDS_UNTRANSLATED_GAP, kEnglish, ""},
        {IDS_UNTRANSLATED_GAP, kKorean, ""},
        {IDS_WIRELESS_LAN, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), ""},
        {500, kEnglish, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.utf8, LoadTextForLanguage(c.id, c.language, CP_UTF8)) << c.id << " lang " << c.language;
    }
}

TEST(StringTableTest, ExplicitLanguageConvertsToTheRequestedCodePage) {
    EXPECT_EQ("\xb9\xab\xbc\xb1\xb7\xa3", LoadTextForLanguage(IDS_WIRELESS_LAN, kKorean, 949));
    EXPECT_EQ("\xb8\xf0\xb4\xcf\xc5\xcd \xc3\xe2\xb7\xc2", LoadTextForLanguage(IDS_MONITOR, kKorean, 949));
    EXPECT_EQ("Wireless Lan", LoadTextForLanguage(IDS_WIRELESS_LAN, kEnglish));
    EXPECT_EQ(700u, LoadTextForLanguage(IDS_LONG, kEnglish).size());
}

TEST(StringTableTest, BlockEntriesAreBoundsChecked) {
    // Entries: "" (0), "ab" (1), then a length of 5 with only 2 units behind it (2).
    const WCHAR block[] = {0, 2, L'a', L'b', 5, L'x', L'y'};
    struct Case {
        std::size_t size;
        unsigned index;
        bool found;
        std::size_t offset;  // of the text in the block, in units
        std::size_t length;
    };
    const Case cases[] = {
        {sizeof(block), 0, true, 1, 0},
        {sizeof(block), 1, true, 2, 2},
        {sizeof(block), 2, false, 0, 0},
        {sizeof(block), 3, false, 0, 0},
        {3 * sizeof(WCHAR), 1, false, 0, 0},  // "ab" cut by the block's end
        {1, 0, false, 0, 0},
        {sizeof(block), 16, false, 0, 0},
    };
    for (const auto& c : cases) {
        const WCHAR* text = nullptr;
        std::size_t length = 99;
        EXPECT_EQ(c.found, FindStringInBlock(block, c.size, c.index, &text, &length))
            << c.index << "/" << c.size;
        if (c.found) {
            EXPECT_EQ(c.length, length);
            EXPECT_EQ(block + c.offset, text);
        }
    }
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
