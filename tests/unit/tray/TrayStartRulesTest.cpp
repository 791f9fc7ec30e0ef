#include <gtest/gtest.h>

#include "TrayStartRules.h"

namespace {

struct ArgumentsCase {
    const char* arguments;
    bool deletes;
};

// Deleting every setting of the suite is only for the number itself: a command line that merely
// starts with it, contains it or is larger does nothing.
TEST(TrayStartRules, OnlyTheNumber6053DeletesTheSettings) {
    const ArgumentsCase cases[] = {
        {"6053", true},     {" 6053 ", true},  {"\t6053", true},   {"06053", true},
        {nullptr, false},   {"", false},       {"   ", false},     {"6053x", false},
        {"16053", false},   {"60530", false},  {"6052", false},    {"6053 1", false},
        {"x6053", false},   {"-6053", false},  {"+6053", false},   {"\"6053\"", false},
        {"6053\n", false},  {"0", false},      {"18446744073709557669", false},  // 2^64 + 6053
    };
    for (const ArgumentsCase& c : cases)
        EXPECT_EQ(c.deletes, AsksToDeleteSettings(c.arguments)) << '[' << (c.arguments ? c.arguments : "null") << ']';
}

}  // namespace
