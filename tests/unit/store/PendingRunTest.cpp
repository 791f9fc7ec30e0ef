// What goes wrong around a settings run: rows whose key is gone or was never named, a key nobody
// may open when OK comes, a run that ends without OK or Cancel.
#include <gtest/gtest.h>

#include <functional>

#include "RandomStore.h"
#include "SettingsRun.h"

namespace {

using suite::RegistryImage;

const std::vector<std::string> kSetRegistryError = {"Set Registry Error"};

RegistryImage Without(RegistryImage image, const std::string& key) {
    const std::string prefix = "\\" + key + "\\";
    for (auto it = image.begin(); it != image.end();) {
        it = it->first.compare(0, prefix.size(), prefix) == 0 ? image.erase(it) : std::next(it);
    }
    return image;
}

}  // namespace

// Nothing is written for a row that has no key to address: never into the store key itself,
// never a key that the user did not add. The pending edit made before stays pending, and Cancel
// still gives it back.
TEST(PendingChanges, RefusesRowsWithoutAKey) {
    struct Case {
        const char* title;
        bool keyOfXGone;
        std::function<int(CPendingChanges&, std::vector<PendingRow>&)> act;
    };
    std::string added;
    const std::vector<Case> cases = {
        {"edit a row whose key is gone", true,
         [](CPendingChanges& p, std::vector<PendingRow>&) { return p.UpdateItem("X", "X2", "C:\\x2.exe"); }},
        {"delete a row whose key is gone", true,
         [](CPendingChanges& p, std::vector<PendingRow>&) { return p.MarkItemDeleted("X"); }},
        {"OK with a row whose key is gone", true,
         [](CPendingChanges& p, std::vector<PendingRow>& rows) { return p.CommitChanges(&rows); }},
        {"OK with a row without a key name", false,
         [](CPendingChanges& p, std::vector<PendingRow>& rows) {
             rows[0].keyName.clear();
             return p.CommitChanges(&rows);
         }},
        {"edit without a key name", false,
         [](CPendingChanges& p, std::vector<PendingRow>&) { return p.UpdateItem("", "X", "C:\\x.exe"); }},
        {"delete without a key name", false,
         [](CPendingChanges& p, std::vector<PendingRow>&) { return p.MarkItemDeleted(""); }},
        {"remove without a key name", false,
         [](CPendingChanges& p, std::vector<PendingRow>&) { return p.DeleteItemKey(""); }},
        {"add without a name", false,
         [&](CPendingChanges& p, std::vector<PendingRow>&) { return p.AddItem("", "C:\\z.exe", 3, &added); }},
        {"a key name that reaches into another key", false,
         [](CPendingChanges& p, std::vector<PendingRow>&) { return p.UpdateItem("Y\\Backup", "Y", "C:\\y.exe"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        StoreSandbox box;
        BuildBase(box, Base::kUsers);
        CMenuItemStore store(box.Settings());
        SettingsRun run(box, store);
        const RegistryImage start = StoreImage(box);
        run.Edit("Y", "Y", "C:\\y2.exe");
        if (c.keyOfXGone) DeleteTree(box.User(), box.ItemPath("X"));
        const RegistryImage before = StoreImage(box);

        EXPECT_EQ(c.act(run.pending, run.rows), 0);
        EXPECT_EQ(box.notifier.messages, kSetRegistryError);
        EXPECT_EQ(ImageDifferences(before, StoreImage(box)), "");

        box.notifier.messages.clear();
        EXPECT_EQ(run.Cancel(), 1);
        EXPECT_EQ(ImageDifferences(c.keyOfXGone ? Without(start, "X") : start, StoreImage(box)), "");
        EXPECT_TRUE(box.notifier.messages.empty());
    }
}

// The commit looks at every key before it writes one, so a key it cannot open stops it with the
// store exactly as it was; once the key is open again, Cancel gives back the start.
TEST(PendingChanges, CommitStopsAtAKeyNobodyMayOpen) {
    {
        StoreSandbox probe;
        probe.PutItem(probe.User(), "Probe", 1);
        DenyKeyAccess(probe.User(), probe.ItemPath("Probe"));
        if (store::OpenKey(probe.User(), probe.ItemPath("Probe"), KEY_QUERY_VALUE))
            GTEST_SKIP() << "this system does not enforce a denying ACL on registry keys";
        DeleteTree(probe.User(), probe.ItemPath("Probe"));
    }
    for (const char* locked : {"X", "Y", "Hidden"}) {
        SCOPED_TRACE(std::string("locked: ") + locked);
        StoreSandbox box;
        BuildBase(box, Base::kUsers);
        box.PutItem(box.User(), "Hidden", 0);  // an item that is listed nowhere
        CMenuItemStore store(box.Settings());
        SettingsRun run(box, store);
        const RegistryImage start = StoreImage(box);
        run.Edit("X", "X", "C:\\x2.exe");
        run.Delete("Y");
        run.Add("Z", "C:\\z.exe");
        run.Up("Z");
        ASSERT_TRUE(DenyKeyAccess(box.User(), box.ItemPath(locked)));
        const RegistryImage before = StoreImage(box);

        EXPECT_EQ(run.pending.CommitChanges(&run.rows), 0);
        EXPECT_EQ(box.notifier.messages, kSetRegistryError);
        EXPECT_EQ(ImageDifferences(before, StoreImage(box)), "");

        ASSERT_TRUE(AllowKeyAccess(box.User(), box.ItemPath(locked)));
        box.notifier.messages.clear();
        EXPECT_EQ(run.Cancel(), 1);
        EXPECT_EQ(ImageDifferences(start, StoreImage(box)), "");
    }
}

// A run that ends without OK or Cancel (the process ended) is settled by the next start of either
// program, in the order index rebuild: additions stay, deletions are undone, edits stay, and no
// backup is left that a later Cancel could wrongly give back.
TEST(PendingChanges, UnfinishedRunIsSettledAtTheNextStart) {
    struct Row {
        const char* key;
        const char* name;
        const char* path;
        bool checked;
    };
    struct Case {
        const char* title;
        std::function<void(SettingsRun&)> edit;
        std::vector<Row> userRows;  // the rows after the default ones, at the next start
        const char* editedNextRun;
    };
    const Row x = {"X", "X", "C:\\x.exe", true};
    const Row y = {"Y", "Y", "C:\\y.exe", false};
    const std::vector<Case> cases = {
        {"an added item stays, unchecked", [](SettingsRun& r) { r.Add("Z", "C:\\z.exe"); },
         {x, y, {"Z", "Z", "C:\\z.exe", false}}, "Z"},
        {"a deleted item comes back", [](SettingsRun& r) { r.Delete("Y"); }, {x, y}, "Y"},
        {"an edit stays", [](SettingsRun& r) { r.Edit("X", "X", "C:\\x2.exe"); },
         {{"X", "X", "C:\\x2.exe", true}, y}, "X"},
        {"a rename stays, under the old key", [](SettingsRun& r) { r.Rename("X", "W"); },
         {{"X", "W", "C:\\x.exe", true}, y}, "W"},
        {"an edited, then deleted item comes back edited",
         [](SettingsRun& r) {
             r.Edit("X", "X", "C:\\x2.exe");
             r.Delete("X");
         },
         {{"X", "X", "C:\\x2.exe", true}, y}, "X"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        StoreSandbox box;
        BuildBase(box, Base::kDefaults);
        CMenuItemStore store(box.Settings());
        MenuItemRecord record;
        record.englishName = "X";
        record.path = "C:\\x.exe";
        record.order = 16;
        record.check = 1;
        WriteItem(store, "X", record);
        record = MenuItemRecord{};
        record.englishName = "Y";
        record.path = "C:\\y.exe";
        record.order = 17;
        WriteItem(store, "Y", record);
        {
            SettingsRun run(box, store);
            c.edit(run);
        }
        const RegistryImage start = StoreImage(box);

        CMenuItemStore panel(box.Settings());
        SettingsRun::Restart(box, panel);
        const RegistryImage settled = StoreImage(box);
        for (const auto& entry : settled) {
            EXPECT_EQ(entry.first.find("\\Backup\\"), std::string::npos) << entry.first;
            for (const char* flag : {"\\New", "\\Delete", "\\Update"}) {
                const std::string f = flag;
                if (entry.first.size() > f.size() &&
                    entry.first.compare(entry.first.size() - f.size(), f.size(), f) == 0) {
                    EXPECT_EQ(entry.second, Dw(0)) << entry.first;
                }
            }
        }
        std::vector<PendingRow> rows = CPendingChanges(store).ListedRows(box.IndexPath().c_str());
        ASSERT_EQ(rows.size(), DefaultKeys().size() + c.userRows.size());
        for (std::size_t i = 0; i < c.userRows.size(); ++i) {
            const PendingRow& found = rows[DefaultKeys().size() + i];
            const Row& want = c.userRows[i];
            EXPECT_EQ(found.keyName + "|" + found.name + "|" + found.path + (found.checked ? "|on" : "|off"),
                      std::string(want.key) + "|" + want.name + "|" + want.path + (want.checked ? "|on" : "|off"));
        }

        SettingsRun next(box, store);
        const RegistryImage nextStart = StoreImage(box);
        next.Edit(c.editedNextRun, c.editedNextRun, "C:\\next.exe");
        EXPECT_EQ(next.Cancel(), 1);
        EXPECT_EQ(ImageDifferences(nextStart, StoreImage(box)), "");
        EXPECT_TRUE(box.notifier.messages.empty());
    }
}

// A store that does not exist yet (a first start of the settings before the panel ever ran) has
// nothing pending: OK and Cancel succeed without a word, and the first added item makes the store.
TEST(PendingChanges, AMissingStoreHasNothingPending) {
    struct Case {
        const char* title;
        bool add;
        bool ok;
        int itemsAfter;
    };
    const Case cases[] = {{"Cancel", false, false, -1}, {"OK", false, true, -1},
                          {"add, Cancel", true, false, 0}, {"add, OK", true, true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        StoreSandbox box;
        CMenuItemStore store(box.Settings());
        SettingsRun run(box, store);
        EXPECT_TRUE(run.rows.empty());
        if (c.add) run.Add("Z", "C:\\z.exe");
        EXPECT_EQ(c.ok ? run.Ok() : run.Cancel(), 1);
        EXPECT_TRUE(box.notifier.messages.empty()) << box.notifier.messages.front();
        fw::RegKey key = store::OpenKey(box.User(), store.KeyPath(), KEY_READ);
        EXPECT_EQ(c.itemsAfter, key ? static_cast<int>(store::CountSubkeys(key.Get())) : -1);
    }
}
