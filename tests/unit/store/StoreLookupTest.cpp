// Finding an item by its display name: the label of a panel button is the only key a press has.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RandomStore.h"
#include "StoreSandbox.h"

namespace {

// Items are enumerated by key name; the display names are chosen to disagree with that order.
void PutLookupItems(const StoreSandbox& box) {
    box.PutItem(box.User(), "A first", 1, 0, "Shared");
    box.PutItem(box.User(), "B second", 2, 0, "Shared");
    box.PutItem(box.User(), "C path", 3, 0, "C:\\Tools\\run.exe");
    box.PutItem(box.User(), "D system", 4, 0, "Suspend");
    box.PutDword(box.User(), "D system", kSystemValue, 1);
    box.PutItem(box.User(), "E text system", 5, 0, "Textual");
    box.PutText(box.User(), "E text system", kSystemValue, "1");
    box.PutItem(box.User(), "F two", 6, 0, "Two");
    box.PutDword(box.User(), "F two", kSystemValue, 2);
    box.PutItem(box.User(), "G long", 7, 0, std::string(259, 'L').c_str());
    box.PutItem(box.User(), "H longer", 8, 0, std::string(300, 'M').c_str());
    box.PutText(box.User(), "I korean", kEnglishNameValue, "");
    box.PutText(box.User(), "I korean", kKoreanNameValue, "Kor");
}

}  // namespace

TEST(StoreLookup, FindsTheFirstKeyByExactDisplayName) {
    StoreSandbox box;
    PutLookupItems(box);
    CMenuItemStore store(box.Settings());
    struct Case {
        std::string name;
        const char* key;
        int system;
    };
    const std::vector<Case> cases = {
        {"Shared", "A first", -1},  // two items share the name: the first in enumeration order
        {"C:\\Tools\\run.exe", "C path", -1},
        {"Suspend", "D system", 1},
        {"suspend", "", -1},  // case matters
        {"Suspend ", "", -1},
        {"Textual", "E text system", -1},  // "System" stored as text is not 1
        {"Two", "F two", -1},
        {std::string(259, 'L'), "G long", -1},
        {std::string(259, 'M'), "H longer", -1},  // a stored name reads as its first 259 bytes
        {std::string(300, 'M'), "", -1},
        {"Kor", "", -1},       // the other language's name is not looked at
        {"", "I korean", -1},  // an item without a name in this language shows as an empty row
        {"NoSuchItem", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 40));
        EXPECT_EQ(store.FindKeyByDisplayName(c.name.c_str()), c.key);
        EXPECT_EQ(store.IsSystemItem(c.name.c_str()), c.system);
    }
    EXPECT_EQ(store.FindKeyByDisplayName(nullptr), "");

    StoreSettings korean = box.Settings();
    korean.displayValueName = kKoreanNameValue;
    EXPECT_EQ(CMenuItemStore(korean).FindKeyByDisplayName("Kor"), "I korean");
}

TEST(StoreLookup, MissingStoreFindsNothing) {
    StoreSandbox box;
    CMenuItemStore store(box.Settings());
    EXPECT_EQ(store.CountItems(), 0u);
    EXPECT_EQ(store.FindKeyByDisplayName("Suspend"), "");
    EXPECT_EQ(store.IsSystemItem("Suspend"), -1);
}

TEST(StoreLookup, WalkEndsAtAnItemKeyThatCannotBeOpened) {
    StoreSandbox box;
    box.PutItem(box.User(), "A", 1, 0, "Before");
    box.PutItem(box.User(), "B", 2, 0, "Locked");
    box.PutItem(box.User(), "C", 3, 0, "After");
    ASSERT_TRUE(DenyKeyAccess(box.User(), box.ItemPath("B")));
    if (store::OpenKey(box.User(), box.ItemPath("B"), KEY_QUERY_VALUE)) {
        AllowKeyAccess(box.User(), box.ItemPath("B"));
        GTEST_SKIP() << "this system does not enforce a denying ACL on registry keys";
    }
    CMenuItemStore store(box.Settings());
    EXPECT_EQ(store.CountItems(), 3u);
    EXPECT_EQ(store.FindKeyByDisplayName("Before"), "A");
    EXPECT_EQ(store.FindKeyByDisplayName("After"), "");
    EXPECT_EQ(store.IsSystemItem("After"), -1);
    AllowKeyAccess(box.User(), box.ItemPath("B"));
}
