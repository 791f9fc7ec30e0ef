// The check index: display names of the checked items in list order, built from an index file
// that may have been edited by hand.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RandomStore.h"
#include "StoreSandbox.h"

TEST(CheckIndex, ListsCheckedItemsInOrderUnderTheDisplayValue) {
    StoreSandbox box;
    box.PutItem(box.User(), "Zeta", 1, 1, "First");
    box.PutItem(box.User(), "Alpha", 2, 0, "Second");
    box.PutItem(box.User(), "Mid", 3, 2, "Third");  // only 1 counts as checked
    box.PutItem(box.User(), "Beta", 4, 1, "Fourth");
    box.PutText(box.User(), "Beta", kKoreanNameValue, "Korean Fourth");
    box.PutItem(box.User(), "Gamma", 5, 1, "Fifth");
    box.PutText(box.User(), "Gamma", kCheckValue, "1");
    box.PutItem(box.User(), "Nameless", 6, 1, "");
    for (const char* valueName : {kEnglishNameValue, kKoreanNameValue}) {
        SCOPED_TRACE(valueName);
        StoreSettings settings = box.Settings();
        settings.displayValueName = valueName;
        CMenuItemStore store(settings);
        ::DeleteFileA(box.IndexPath().c_str());
        store.RebuildOrderIndex(box.IndexPath().c_str());
        store.RebuildCheckIndex(box.IndexPath().c_str());
        const bool english = valueName == kEnglishNameValue;
        EXPECT_EQ(box.Ini("Check", "Count"), "3");
        EXPECT_EQ(box.Ini("Check", "1"), english ? "First" : "");
        EXPECT_EQ(box.Ini("Check", "2"), english ? "Fourth" : "Korean Fourth");
        EXPECT_EQ(box.Ini("Check", "3"), "");
        EXPECT_EQ(box.Ini("Check", "4"), "<absent>");
    }
}

TEST(CheckIndex, NothingCheckedWritesNoSection) {
    StoreSandbox box;
    box.PutItems(box.User(), 4);
    CMenuItemStore store(box.Settings());
    store.RebuildOrderIndex(box.IndexPath().c_str());
    store.RebuildCheckIndex(box.IndexPath().c_str());
    EXPECT_EQ(box.Ini("Order", "Count"), "4");
    EXPECT_EQ(box.Ini("Check", "Count"), "<absent>");
}

// A hand-edited or damaged index file: the rebuild reads only what it names, ends quickly,
// writes nothing into the registry and lists only real, checked items.
TEST(CheckIndex, DamagedIndexFile) {
    struct Case {
        const char* what;
        const char* count;
        std::vector<std::pair<const char*, std::string>> entries;
        std::vector<std::string> expected;
    };
    const std::string longName(1000, 'x');
    const std::vector<Case> cases = {
        {"huge count", "4294967296000", {{"1", "Good"}, {"2", "Other"}}, {"Good name", "Other name"}},
        {"count not a number", "many", {{"1", "Good"}}, {}},
        {"negative count", "-3", {{"1", "Good"}}, {}},
        {"entries for missing keys", "4", {{"1", "Nobody"}, {"2", "Good"}, {"4", "Gone"}}, {"Good name"}},
        {"empty entry names the store key", "2", {{"1", ""}, {"2", "Good"}}, {"Good name"}},
        {"long name", "2", {{"1", longName}, {"2", "Other"}}, {"Other name"}},
        {"path tricks", "3", {{"1", "..\\..\\Good"}, {"2", "Good\\Sub"}, {"3", "\\Good"}}, {}},
        {"same item twice", "2", {{"1", "Good"}, {"2", "Good"}}, {"Good name", "Good name"}},
        {"a number with a leading zero", "2", {{"01", "Good"}, {"2", "Other"}}, {"Other name"}},
        // A profile read of one entry takes quotes around a value away; the section is read whole.
        {"a key name in quotes", "2", {{"1", "'Quoted'"}, {"2", "Good"}}, {"Quoted name", "Good name"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoreSandbox box;
        box.PutItem(box.User(), "Good", 1, 1, "Good name");
        box.PutItem(box.User(), "Other", 2, 1, "Other name");
        box.PutItem(box.User(), "'Quoted'", 3, 1, "Quoted name");
        box.PutItem(box.User(), "Good\\Sub", 0, 1, "Sub name");  // a subkey of an item is no item
        box.PutDword(box.User(), nullptr, kCheckValue, 1);       // a "Check" on the store key itself
        const std::string before = SnapshotStore(box.User(), kStoreKeyPath);
        ::WritePrivateProfileStringA("Order", "Count", c.count, box.IndexPath().c_str());
        for (const auto& e : c.entries)
            ::WritePrivateProfileStringA("Order", e.first, e.second.c_str(), box.IndexPath().c_str());

        CMenuItemStore store(box.Settings());
        const double start = NowMs();
        store.RebuildCheckIndex(box.IndexPath().c_str());
        EXPECT_LT(NowMs() - start, 5000.0);

        EXPECT_EQ(SnapshotStore(box.User(), kStoreKeyPath), before);
        if (c.expected.empty()) {
            EXPECT_EQ(box.Ini("Check", "Count"), "<absent>");
            continue;
        }
        EXPECT_EQ(box.Ini("Check", "Count"), std::to_string(c.expected.size()));
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(box.Ini("Check", std::to_string(i + 1).c_str()), c.expected[i]);
        }
    }
}

TEST(CheckIndex, GarbageIndexFileIsHarmless) {
    StoreSandbox box;
    box.PutItems(box.User(), 3);
    box.PutDword(box.User(), "Item00001", kCheckValue, 1);
    const std::string garbage("\x00\xff\xfe[Order\r\nCount=\r\n=\r\n[Check]Count=5\n\x01\x02", 40);
    HANDLE file =
        ::CreateFileA(box.IndexPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, garbage.data(), static_cast<DWORD>(garbage.size()), &written, nullptr);
    ::CloseHandle(file);
    CMenuItemStore store(box.Settings());
    store.RebuildCheckIndex(box.IndexPath().c_str());  // must end; what it reads is undefined
    store.RebuildOrderIndex(box.IndexPath().c_str());
    store.RebuildCheckIndex(box.IndexPath().c_str());
    EXPECT_EQ(box.Ini("Order", "Count"), "3");
    EXPECT_EQ(box.Ini("Order", "1"), "Item00001");
    EXPECT_EQ(box.Ini("Check", "1"), "Item00001");
}
