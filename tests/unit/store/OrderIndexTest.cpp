// The order index: which items are listed at which number, which keys get "New"/"Delete"
// cleared, and that the one-pass rebuild agrees with the reference walk on any store.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "RandomStore.h"
#include "ReferenceOrderIndex.h"
#include "StoreSandbox.h"

namespace {

bool DenialEnforced(const StoreSandbox& box) {
    box.PutItem(box.User(), "zz probe", 0);
    DenyKeyAccess(box.User(), box.ItemPath("zz probe"));
    const bool enforced = !store::OpenKey(box.User(), box.ItemPath("zz probe"), KEY_QUERY_VALUE);
    DeleteTree(box.User(), box.ItemPath("zz probe"));
    return enforced;
}

}  // namespace

TEST(OrderIndex, AgreesWithTheReferenceWalkOnRandomStores) {
    StoreSandbox box;
    const bool denial = DenialEnforced(box);
    CMenuItemStore store(box.Settings());
    std::mt19937 random(20240611);
    int compared = 0;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandomStoreOptions options;
        options.seed = seed;
        options.keys = random() % 60;
        options.healthy = seed % 4 == 0;
        if (denial && seed % 3 == 0 && options.keys > 0) options.deniedIndex = random() % options.keys;
        SCOPED_TRACE("seed " + std::to_string(seed) + ", keys " + std::to_string(options.keys) + ", denied " +
                     std::to_string(static_cast<long>(options.deniedIndex)));

        BuildRandomStore(box.User(), kStoreKeyPath, options);
        ::DeleteFileA(box.IndexPath().c_str());
        ReferenceRebuildOrderIndex(box.User(), kStoreKeyPath, box.IndexPath().c_str());
        const std::string expectedStore = SnapshotStore(box.User(), kStoreKeyPath);
        const std::string expectedFile = ReadFileBytes(box.IndexPath());

        BuildRandomStore(box.User(), kStoreKeyPath, options);
        ::DeleteFileA(box.IndexPath().c_str());
        store.RebuildOrderIndex(box.IndexPath().c_str());
        EXPECT_EQ(SnapshotStore(box.User(), kStoreKeyPath), expectedStore);
        EXPECT_EQ(ReadFileBytes(box.IndexPath()), expectedFile);
        ++compared;
    }
    EXPECT_EQ(compared, 40);
    DeleteTree(box.User(), kStoreKeyPath);
    if (!denial) std::printf("note: denying ACLs are not enforced here; stores without a locked key only\n");
}

TEST(OrderIndex, DuplicatesZerosAndGapsAreListedByTheFirstHolder) {
    StoreSandbox box;
    box.PutItem(box.User(), "A", 2);
    box.PutItem(box.User(), "B", 1);
    box.PutItem(box.User(), "C", 2);  // same number as A, later in enumeration: not listed
    box.PutItem(box.User(), "D", 0);  // kept, listed nowhere, still counted
    box.PutItem(box.User(), "E", 9);  // beyond the number of keys
    box.PutText(box.User(), "F", kOrderValue, "3");
    for (const char* item : {"A", "B", "C", "D", "E", "F"}) {
        box.PutDword(box.User(), item, kNewValue, 1);
        box.PutDword(box.User(), item, kDeleteValue, 1);
    }
    CMenuItemStore store(box.Settings());
    store.RebuildOrderIndex(box.IndexPath().c_str());

    EXPECT_EQ(box.Ini("Order", "Count"), "6");
    EXPECT_EQ(box.Ini("Order", "1"), "B");
    EXPECT_EQ(box.Ini("Order", "2"), "A");
    for (const char* absent : {"3", "4", "5", "6", "9", "0"}) EXPECT_EQ(box.Ini("Order", absent), "<absent>");
    // Without a locked key every key is visited: either some number is missing and its walk
    // goes through all keys, or all numbers are there and every key holds one of them.
    for (const char* item : {"A", "B", "C", "D", "E", "F"}) {
        SCOPED_TRACE(item);
        EXPECT_EQ(box.Dword(box.User(), item, kNewValue), 0u);
        EXPECT_EQ(box.Dword(box.User(), item, kDeleteValue), 0u);
    }
    EXPECT_EQ(box.Dword(box.User(), "D", kOrderValue), 0u);
    EXPECT_TRUE(box.notifier.messages.empty());
}

TEST(OrderIndex, StopsAtAKeyThatCannotBeOpened) {
    StoreSandbox box;
    if (!DenialEnforced(box)) GTEST_SKIP() << "this system does not enforce a denying ACL on registry keys";
    box.PutItem(box.User(), "A", 1);
    box.PutItem(box.User(), "B", 3);
    box.PutItem(box.User(), "C", 2);  // locked
    box.PutItem(box.User(), "D", 4);
    box.PutDword(box.User(), "D", kNewValue, 1);
    ASSERT_TRUE(DenyKeyAccess(box.User(), box.ItemPath("C")));
    CMenuItemStore store(box.Settings());
    store.RebuildOrderIndex(box.IndexPath().c_str());
    EXPECT_EQ(box.Ini("Order", "Count"), "4");
    EXPECT_EQ(box.Ini("Order", "1"), "A");
    EXPECT_EQ(box.Ini("Order", "2"), "<absent>");  // its walk reached C and ended the rebuild
    EXPECT_EQ(box.Ini("Order", "3"), "<absent>");
    EXPECT_EQ(box.Dword(box.User(), "B", kNewValue), 0u);
    EXPECT_EQ(box.Dword(box.User(), "D", kNewValue), 1u);  // never reached
    AllowKeyAccess(box.User(), box.ItemPath("C"));
}

TEST(OrderIndex, ARebuildReplacesAnOldIndex) {
    StoreSandbox box;
    box.PutItems(box.User(), 3);
    ::WritePrivateProfileStringA("Order", "Count", "40", box.IndexPath().c_str());
    ::WritePrivateProfileStringA("Order", "17", "Ghost", box.IndexPath().c_str());
    CMenuItemStore store(box.Settings());
    store.RebuildOrderIndex(box.IndexPath().c_str());
    EXPECT_EQ(box.Ini("Order", "Count"), "3");
    EXPECT_EQ(box.Ini("Order", "3"), "Item00003");
    EXPECT_EQ(box.Ini("Order", "17"), "<absent>");
}

TEST(OrderIndex, MissingStoreWritesNothing) {
    StoreSandbox box;
    CMenuItemStore store(box.Settings());
    store.RebuildOrderIndex(box.IndexPath().c_str());
    EXPECT_EQ(ReadFileBytes(box.IndexPath()), "<missing>");
    store.RebuildCheckIndex(box.IndexPath().c_str());
    EXPECT_EQ(ReadFileBytes(box.IndexPath()), "<missing>");
}

// More item keys than any walk looks at: counted as 10000, listed up to 10000.
TEST(OrderIndex, MoreThan10000ItemKeys) {
    StoreSandbox box;
    {
        fw::RegKey root = store::OpenOrCreateKey(box.User(), kStoreKeyPath, KEY_ALL_ACCESS);
        char name[32];
        for (DWORD i = 1; i <= 10003; ++i) {
            std::snprintf(name, sizeof(name), "K%05lu", static_cast<unsigned long>(i));
            fw::RegKey item = store::OpenOrCreateKey(root.Get(), name, KEY_SET_VALUE);
            store::SetDword(item.Get(), kOrderValue, i);
            store::SetText(item.Get(), kEnglishNameValue, name, static_cast<DWORD>(std::strlen(name)));
            if (i % 1000 == 0 || i > 10000) store::SetDword(item.Get(), kCheckValue, 1);
        }
    }
    CMenuItemStore store(box.Settings());
    EXPECT_EQ(store.CountItems(), 10000u);
    const double start = NowMs();
    store.RebuildOrderIndex(box.IndexPath().c_str());
    store.RebuildCheckIndex(box.IndexPath().c_str());
    EXPECT_LT(NowMs() - start, 60000.0);
    EXPECT_EQ(box.Ini("Order", "Count"), "10000");
    EXPECT_EQ(box.Ini("Order", "10000"), "K10000");
    EXPECT_EQ(box.Ini("Order", "10001"), "<absent>");
    EXPECT_EQ(box.Ini("Check", "Count"), "10");
    EXPECT_EQ(box.Ini("Check", "10"), "K10000");
    DeleteTree(box.User(), kStoreKeyPath);
}
