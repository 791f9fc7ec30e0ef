// The two sources of defaults: seeding from the machine key, and the reset from config.bin,
// which must end after one bounded attempt whatever the importer does.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RandomStore.h"
#include "StoreSandbox.h"
#include "Stub.h"

namespace {

// Stands in for the registry editor: "imports" a number of items straight into the sandbox.
class FakeImporter : public IDefaultsImporter {
public:
    FakeImporter(const StoreSandbox& box, DWORD items) : box_(box), items_(items) {}
    ImportOutcome Import(const char* scriptPath, DWORD timeoutMs) override {
        ++calls;
        lastScript = scriptPath;
        lastTimeout = timeoutMs;
        box_.PutItems(box_.User(), items_, "Default");
        box_.PutItem(box_.User(), kSettingKey, items_ + 1);
        box_.PutText(box_.User(), kSettingKey, kPathValue,
                     "C:\\Program Files\\Brevant\\Corvela\\Tallyset.exe");
        return ImportOutcome::kFinished;
    }
    int calls = 0;
    std::string lastScript;
    DWORD lastTimeout = 0;

private:
    const StoreSandbox& box_;
    DWORD items_;
};

void PutDummyConfig(const StoreSandbox& box) { WriteRegistryScript(box.Folder() + "\\config.bin", L"x"); }

constexpr DWORD kMissing = MAXDWORD;

}  // namespace

TEST(Seed, NumbersAreCopiedOnlyWhereTheUserHasNone) {
    struct Case {
        const char* item;
        const char* user;  // "-" missing, "5", or "text"
        bool machineHas;
        DWORD expected;  // kMissing: still no number
    };
    const std::vector<Case> cases = {
        {"n1", "-", true, 7},  {"n2", "-", false, kMissing}, {"n3", "5", true, 5},
        {"n4", "5", false, 5}, {"n5", "text", true, 7},      {"n6", "text", false, kMissing},
    };
    const char* numbers[] = {kOrderValue, kDeleteValue, kNewValue,
                             kCheckValue, kSystemValue, kSystemCmdValue};
    StoreSandbox box;
    for (const Case& c : cases) {
        for (const char* number : numbers) {
            if (!std::strcmp(c.user, "5")) box.PutDword(box.User(), c.item, number, 5);
            if (!std::strcmp(c.user, "text")) box.PutText(box.User(), c.item, number, "5");
            if (c.machineHas)
                box.PutDword(box.Machine(), c.item, number, 7);
            else
                box.PutText(box.Machine(), c.item, "0x409", c.item);
        }
    }
    CMenuItemStore store(box.Settings());
    store.SeedFromMachineDefaults();
    for (const Case& c : cases) {
        for (const char* number : numbers) {
            SCOPED_TRACE(std::string(c.item) + " " + number);
            EXPECT_EQ(box.Dword(box.User(), c.item, number), c.expected);
        }
    }
    EXPECT_TRUE(box.notifier.messages.empty());
}

TEST(Seed, NamesAndPathsAreRefreshedFromTheMachine) {
    struct Case {
        const char* item;
        const char* user;  // "-" missing, "Old", or "dword"
        bool machineHas;
        const char* expectedText;  // nullptr: still the number 9 / "-" still missing
    };
    const std::vector<Case> cases = {
        {"t1", "-", true, "New"},    {"t2", "-", false, "-"},        {"t3", "Old", true, "New"},
        {"t4", "Old", false, "Old"}, {"t5", "dword", true, nullptr}, {"t6", "dword", false, nullptr},
    };
    const char* texts[] = {kKoreanNameValue, kEnglishNameValue, kPathValue};
    StoreSandbox box;
    for (const Case& c : cases) {
        box.PutDword(box.Machine(), c.item, kOrderValue, 1);
        for (const char* text : texts) {
            if (!std::strcmp(c.user, "Old")) box.PutText(box.User(), c.item, text, "Old");
            if (!std::strcmp(c.user, "dword")) box.PutDword(box.User(), c.item, text, 9);
            if (c.machineHas) box.PutText(box.Machine(), c.item, text, "New");
        }
    }
    CMenuItemStore store(box.Settings());
    store.SeedFromMachineDefaults();
    for (const Case& c : cases) {
        for (const char* text : texts) {
            SCOPED_TRACE(std::string(c.item) + " " + text);
            if (!c.expectedText) {
                EXPECT_EQ(box.Dword(box.User(), c.item, text), 9u);
                continue;
            }
            char out[kTextCap];
            const int read = store.ReadString(box.ItemPath(c.item), text, out);
            if (!std::strcmp(c.expectedText, "-")) {
                EXPECT_FALSE(box.HasValue(box.User(), c.item, text));
            } else {
                EXPECT_EQ(read, 1);
                EXPECT_STREQ(out, c.expectedText);
            }
        }
    }
}

TEST(Seed, TrayChkAndItemsTheMachineDoesNotHave) {
    struct Case {
        const char* user;  // "-", "0", "1", "text"
        bool machineHas;
        DWORD expected;
    };
    const std::vector<Case> cases = {
        {"-", true, 1}, {"-", false, kMissing}, {"0", true, 0}, {"1", false, 1}, {"text", true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.user) + (c.machineHas ? " / machine 1" : " / machine none"));
        StoreSandbox box;
        if (!std::strcmp(c.user, "0") || !std::strcmp(c.user, "1")) {
            box.PutDword(box.User(), nullptr, kTrayCheckValue, c.user[0] - '0');
        }
        if (!std::strcmp(c.user, "text")) box.PutText(box.User(), nullptr, kTrayCheckValue, "0");
        if (c.machineHas) box.PutDword(box.Machine(), nullptr, kTrayCheckValue, 1);
        box.PutItem(box.Machine(), "Suspend", 5, 1, "Suspend");
        box.PutDword(box.Machine(), "Suspend", kSystemValue, 1);
        box.PutItem(box.User(), "My Tool", 9, 1, "My Tool");
        box.PutText(box.User(), "My Tool", kPathValue, "C:\\tool.exe");
        MenuItemRecord mine;
        CMenuItemStore store(box.Settings());
        ASSERT_TRUE(ReadItem(store, "My Tool", &mine));

        store.SeedFromMachineDefaults();
        EXPECT_EQ(box.Dword(box.User(), nullptr, kTrayCheckValue), c.expected);
        MenuItemRecord after, suspend;
        ASSERT_TRUE(ReadItem(store, "My Tool", &after));
        EXPECT_EQ(after, mine);
        ASSERT_TRUE(ReadItem(store, "Suspend", &suspend));  // created from the machine key
        EXPECT_EQ(suspend.englishName, "Suspend");
        EXPECT_EQ(suspend.order, 5u);
        EXPECT_EQ(suspend.system, 1u);
        EXPECT_EQ(store.CountItems(), 2u);
    }
}

TEST(Seed, NoMachineKeyChangesNothing) {
    StoreSandbox box;
    box.PutItems(box.User(), 3);
    const std::string before = SnapshotStore(box.User(), kStoreKeyPath);
    CMenuItemStore store(box.Settings());
    store.SeedFromMachineDefaults();
    EXPECT_EQ(SnapshotStore(box.User(), kStoreKeyPath), before);
    EXPECT_FALSE(box.HasValue(box.User(), nullptr, kTrayCheckValue));
    EXPECT_TRUE(box.notifier.messages.empty());
}

// "TrayChk" survives a reset only as 1; anything else becomes 0.
TEST(Reset, KeepsTrayChkOnlyWhenItWasOne) {
    struct Case {
        const char* before;
        DWORD after;
    };
    const std::vector<Case> cases = {{"-", 0}, {"0", 0}, {"1", 1}, {"2", 0}, {"text", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        StoreSandbox box;
        PutDummyConfig(box);
        box.PutItems(box.User(), 3, "Old");
        if (!std::strcmp(c.before, "text"))
            box.PutText(box.User(), nullptr, kTrayCheckValue, "1");
        else if (std::strcmp(c.before, "-"))
            box.PutDword(box.User(), nullptr, kTrayCheckValue, c.before[0] - '0');
        FakeImporter importer(box, 12);
        StoreSettings settings = box.Settings();
        settings.importer = &importer;
        CMenuItemStore store(settings);
        EXPECT_EQ(store.ResetToDefaults(), 1);
        EXPECT_EQ(importer.calls, 1);
        EXPECT_EQ(importer.lastScript, box.Folder() + "\\config.bin");
        EXPECT_EQ(box.Dword(box.User(), nullptr, kTrayCheckValue), c.after);
        EXPECT_EQ(store.CountItems(), 13u);
        EXPECT_EQ(box.Dword(box.User(), "Old00001", kOrderValue), MAXDWORD) << "an old item outlived the reset";
    }
}

TEST(Reset, PanelRepairsFewerThanTenItemsAndOnlyThose) {
    struct Case {
        DWORD items;
        bool panel;
        int imports;
        DWORD listed;
    };
    const std::vector<Case> cases = {
        {0, true, 1, 13}, {9, true, 1, 13}, {10, true, 0, 10}, {11, true, 0, 11}, {3, false, 0, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.items) + (c.panel ? " panel" : " settings"));
        StoreSandbox box;
        PutDummyConfig(box);
        box.PutItems(box.User(), c.items, "Mine");
        FakeImporter importer(box, 12);
        StoreSettings settings = box.Settings();
        settings.importer = &importer;
        CMenuItemStore store(settings);
        if (c.panel) store.RepairIfDamaged();
        store.RebuildOrderIndex(box.IndexPath().c_str());
        EXPECT_EQ(importer.calls, c.imports);
        EXPECT_EQ(box.Ini("Order", "Count"), std::to_string(c.listed));
        EXPECT_EQ(box.Ini("Order", "1"), c.imports ? "Default00001" : (c.items ? "Mine00001" : "<absent>"));
    }
}

// One attempt, then the store as it is: a short import is not tried again.
TEST(Reset, ShortImportIsTriedOnceAndShownAsItIs) {
    StoreSandbox box;
    PutDummyConfig(box);
    FakeImporter importer(box, 2);  // brings 3 items
    StoreSettings settings = box.Settings();
    settings.importer = &importer;
    CMenuItemStore store(settings);
    store.RepairIfDamaged();
    store.RebuildOrderIndex(box.IndexPath().c_str());
    store.RebuildCheckIndex(box.IndexPath().c_str());
    EXPECT_EQ(importer.calls, 1);
    EXPECT_EQ(box.Ini("Order", "Count"), "3");
    EXPECT_EQ(box.Ini("Order", "3"), kSettingKey);
}

TEST(Reset, MissingOrDamagedConfigEndsWithWhatIsThere) {
    struct Case {
        const char* what;
        bool write;
        std::wstring script;
        DWORD minItems, maxItems;
    };
    StoreSandbox probe;
    const std::wstring good = SandboxConfig(probe);
    ASSERT_GT(good.size(), 100u) << "config.bin not found beside the build's programs";
    const std::vector<Case> cases = {
        {"missing", false, L"", 0, 0},
        {"empty", true, L"", 0, 0},
        {"garbage", true, L"\x1234\xFFFF\x0001[[[\r\n\"x\"=dword:zz\r\n", 0, 0},
        {"wrong header", true, L"Not a registry script\r\n[HKEY_CURRENT_USER\\Software\\x]\r\n", 0, 0},
        {"cut in half", true, L"", 1, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoreSandbox box;
        std::wstring script = c.script;
        if (!std::strcmp(c.what, "cut in half")) {
            script = SandboxConfig(box);
            script.resize(script.size() / 2);
        }
        if (c.write) {
            ASSERT_TRUE(WriteRegistryScript(box.Folder() + "\\config.bin", script));
        }
        box.PutItems(box.User(), 4, "Old");
        box.PutDword(box.User(), nullptr, kTrayCheckValue, 1);
        CMenuItemStore store(box.Settings());
        const double start = NowMs();
        store.RepairIfDamaged();
        store.RebuildOrderIndex(box.IndexPath().c_str());
        EXPECT_LT(NowMs() - start, 15000.0);
        const DWORD items = store.CountItems();
        EXPECT_GE(items, c.minItems);
        EXPECT_LE(items, c.maxItems);
        EXPECT_EQ(box.Ini("Order", "Count"), std::to_string(items));
        EXPECT_EQ(box.Dword(box.User(), nullptr, kTrayCheckValue), 1u);
        EXPECT_TRUE(box.notifier.messages.empty());
    }
}

TEST(Reset, ImporterThatDoesNotFinishIsLeftBehindInTime) {
    StoreSandbox box;
    PutDummyConfig(box);
    CRegeditImporter sleeper("\"" + BesideTestProgram("store_tests.exe") + "\" --sleep-ms 4000 \"%s\"");
    StoreSettings settings = box.Settings();
    settings.importer = &sleeper;
    settings.importTimeoutMs = 500;
    CMenuItemStore store(settings);
    const double start = NowMs();
    store.RepairIfDamaged();
    store.RebuildOrderIndex(box.IndexPath().c_str());
    const double took = NowMs() - start;
    EXPECT_GE(took, 400.0);  // it did wait for the importer
    EXPECT_LT(took, 3000.0);
    EXPECT_EQ(box.Ini("Order", "Count"), "0");
}

TEST(Reset, RealRegistryEditorImportsTheDefaultSet) {
    StoreSandbox box;
    ASSERT_TRUE(WriteRegistryScript(box.Folder() + "\\config.bin", SandboxConfig(box)));
    box.PutDword(box.Machine(), kSettingKey, kOrderValue, 8);
    box.PutText(box.Machine(), kSettingKey, kPathValue, "D:\\Apps\\Suite\\Tallyset.exe");
    box.PutDword(box.User(), nullptr, kTrayCheckValue, 1);
    CMenuItemStore store(box.Settings());
    EXPECT_EQ(store.ResetToDefaults(), 1);
    EXPECT_EQ(store.CountItems(), 15u);
    EXPECT_EQ(box.Dword(box.User(), nullptr, kTrayCheckValue), 1u);
    // the script cannot know where the suite lives; the machine defaults refresh the path at once
    MenuItemRecord setting;
    ASSERT_TRUE(ReadItem(store, kSettingKey, &setting));
    EXPECT_EQ(setting.path, "D:\\Apps\\Suite\\Tallyset.exe");
    EXPECT_EQ(setting.englishName, "Corvela Setting");
}

// A "Regedit.exe" in the current folder, which a start by name would find before the Windows
// folder's, does not run in place of the registry editor.
TEST(Reset, RegistryEditorIsNeverOneFoundInTheCurrentFolder) {
    StoreSandbox box;
    ASSERT_TRUE(WriteRegistryScript(box.Folder() + "\\config.bin", SandboxConfig(box)));
    const std::string standIn = box.Folder() + "\\Regedit.exe";
    const std::string log = box.Folder() + "\\regedit.log";
    ASSERT_TRUE(::CopyFileA(suite::StubExe().c_str(), standIn.c_str(), FALSE)) << suite::StubExe();
    ASSERT_TRUE(::WritePrivateProfileStringA("stub", "log", log.c_str(),
                                             (box.Folder() + "\\Regedit.stub.ini").c_str()));
    char cwd[MAX_PATH] = {};
    ASSERT_GT(::GetCurrentDirectoryA(sizeof(cwd), cwd), 0u);
    ASSERT_TRUE(::SetCurrentDirectoryA(box.Folder().c_str()));
    CMenuItemStore store(box.Settings());
    const int reset = store.ResetToDefaults();
    ::SetCurrentDirectoryA(cwd);
    EXPECT_EQ(reset, 1);
    EXPECT_EQ(store.CountItems(), 15u);
    EXPECT_EQ(::GetFileAttributesA(log.c_str()), INVALID_FILE_ATTRIBUTES) << "the stand-in ran";
}
