#include "Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct CopyCase {
    std::size_t length;  // of the source text
    std::size_t cap;
    bool fits;
    std::size_t kept;
};

TEST(TextTest, CopyKeepsWhatFitsAndAlwaysTerminates) {
    const CopyCase cases[] = {
        {0, 1, true, 0},       {1, 1, false, 0},       {258, 260, true, 258},
        {259, 260, true, 259}, {260, 260, false, 259}, {1000, 260, false, 259},
    };
    for (const auto& c : cases) {
        std::string src(c.length, 'p');
        char buffer[1024];
        std::memset(buffer, 'X', sizeof(buffer));
        EXPECT_EQ(c.fits, TextCopy(buffer, c.cap, src.c_str())) << c.length << " into " << c.cap;
        EXPECT_EQ(c.kept, std::strlen(buffer)) << c.length << " into " << c.cap;
        EXPECT_EQ('X', buffer[c.cap]) << "wrote past the buffer: " << c.length << " into " << c.cap;
    }
}

TEST(TextTest, NothingIsWrittenWithoutRoom) {
    char guard = 'X';
    EXPECT_FALSE(TextCopy(&guard, 0, "a"));
    EXPECT_FALSE(TextAppend(&guard, 0, "a"));
    EXPECT_FALSE(TextFormat(&guard, 0, "%s", "a"));
    EXPECT_EQ('X', guard);
    EXPECT_FALSE(TextCopy(nullptr, 10, "a"));
}

TEST(TextTest, NullSourceCopiesAsEmpty) {
    char buffer[8] = "old";
    EXPECT_TRUE(TextCopy(buffer, nullptr));
    EXPECT_STREQ("", buffer);
}

TEST(TextTest, AppendStopsAtTheCap) {
    char buffer[kTextCap];
    TextCopy(buffer, std::string(257, 'a').c_str());
    EXPECT_TRUE(TextAppend(buffer, "bc"));  // 259 bytes
    EXPECT_EQ(259u, std::strlen(buffer));
    EXPECT_FALSE(TextAppend(buffer, "d"));
    EXPECT_EQ(259u, std::strlen(buffer));
    EXPECT_EQ('c', buffer[258]);
}

TEST(TextTest, AppendToUnterminatedBufferCutsInsteadOfOverrunning) {
    char buffer[16];
    std::memset(buffer, 'z', sizeof(buffer));
    EXPECT_FALSE(TextAppend(buffer, "a"));
    EXPECT_EQ(15u, std::strlen(buffer));
}

TEST(TextTest, FormatReportsTruncationAndTerminates) {
    char buffer[kTextCap + 1];
    buffer[kTextCap] = 'X';
    EXPECT_TRUE(TextFormat(buffer, kTextCap, "%s\\%s", "C:", std::string(256, 'n').c_str()));
    EXPECT_EQ(259u, std::strlen(buffer));
    EXPECT_FALSE(TextFormat(buffer, kTextCap, "%s\\%s", "C:", std::string(257, 'n').c_str()));
    EXPECT_EQ(259u, std::strlen(buffer));
    EXPECT_EQ('X', buffer[kTextCap]);
    EXPECT_TRUE(TextFormat(buffer, kTextCap, "%s\\Perchlet.exe", "C:\\Suite"));
    EXPECT_STREQ("C:\\Suite\\Perchlet.exe", buffer);
    EXPECT_TRUE(TextFormat(buffer, kTextCap, "%d-%u", -5, 7u));
    EXPECT_STREQ("-5-7", buffer);
}

TEST(TextTest, ZeroClearsTheWholeBuffer) {
    char buffer[kTextCap];
    std::memset(buffer, 'q', sizeof(buffer));
    TextZero(buffer);
    for (char c : buffer) ASSERT_EQ('\0', c);
}

TEST(TextTest, ComparisonsAreByteForByteAndCaseSensitive) {
    struct Case {
        const char* a;
        const char* b;
        bool equals;
        bool contains;
    };
    const Case cases[] = {
        {"Bluetooth On", "Bluetooth On", true, true},
        {"Bluetooth On", "bluetooth on", false, false},
        {"Bluetooth On", "Bluetooth", false, true},
        {"Bluetooth", "Bluetooth On", false, false},
        {"\xb9\xab\xbc\xb1\xb7\xa3 On", "\xb9\xab\xbc\xb1\xb7\xa3", false, true},  // Korean bytes, CP949
        {"", "", true, true},
        {"x", "", false, true},
        {nullptr, nullptr, true, false},
        {nullptr, "", false, false},
        {"", nullptr, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.equals, TextEquals(c.a, c.b))
            << (c.a ? c.a : "(null)") << " / " << (c.b ? c.b : "(null)");
        EXPECT_EQ(c.contains, TextContains(c.a, c.b))
            << (c.a ? c.a : "(null)") << " / " << (c.b ? c.b : "(null)");
    }
}

}  // namespace
