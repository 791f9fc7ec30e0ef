// The default item set as shipped: imported by the real registry editor into the real store key
// (saved before and put back after), then checked item by item. Run once under an English and
// once under a Korean locale: the Korean names must arrive intact in both.
#include <gtest/gtest.h>

#include <shlwapi.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include "RandomStore.h"
#include "Registry.h"
#include "RegistrySnapshot.h"
#include "StoreSandbox.h"

namespace {

// The real store key as the registry editor leaves it, read as UTF-16.
std::wstring WideValue(const char* item, const char* name) {
    return suite::ReadTextW((std::string(kStoreKeyPath) + "\\" + item).c_str(), name);
}

}  // namespace

TEST(ConfigBin, IsAUnicodeRegistryScript) {
    const std::wstring script = ReadConfigBin();
    ASSERT_FALSE(script.empty()) << "config.bin is missing or has no UTF-16LE byte-order mark";
    EXPECT_EQ(script.rfind(L"Windows Registry Editor Version 5.00\r\n", 0), 0u);
    EXPECT_EQ(script.find(L"\n\n"), std::wstring::npos) << "lines must end with CR LF";
}

TEST(ConfigBin, ImportsTheDefaultItemSetIntact) {
    if (std::getenv("STORE_EXPECT_KOREAN")) {
        ASSERT_EQ(::GetACP(), 949u) << "the Korean locale is not active";
    }
    // The real store is put aside for the test and back afterwards.
    suite::RegistrySnapshot realStore(HKEY_CURRENT_USER, kStoreKeyPath);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kStoreKeyPath);
    StoreSettings settings;
    settings.defaultsFolder = BesideTestProgram("..\\dist");
    settings.displayValueName = kEnglishNameValue;
    RecordingNotifier notifier;
    settings.notifier = &notifier;
    // No machine defaults may refresh anything during this test.
    StoreSandbox box;
    settings.machineRoot = box.Machine();
    CMenuItemStore store(settings);
    ASSERT_EQ(store.ResetToDefaults(), 1);

    const DWORD count = store.CountItems();
    EXPECT_GE(count, 10u);
    std::set<DWORD> orders, commands;
    fw::RegKey root = store::OpenKey(HKEY_CURRENT_USER, kStoreKeyPath, KEY_READ);
    char name[kTextCap];
    for (DWORD i = 0; i < count; ++i) {
        ASSERT_EQ(store::EnumSubkey(root.Get(), i, name, sizeof(name)), ERROR_SUCCESS);
        SCOPED_TRACE(name);
        fw::RegKey item = store::OpenKey(root.Get(), name, KEY_QUERY_VALUE);
        for (const char* number : {kOrderValue, kCheckValue, kSystemValue, kSystemCmdValue, kNewValue,
                                   kDeleteValue, kUpdateValue}) {
            EXPECT_TRUE(store::QueryDword(item.Get(), number, nullptr)) << number;
        }
        char text[kTextCap];
        for (const char* textName :
             {kEnglishNameValue, kKoreanNameValue, kPathValue, kTempPathValue, kTempNameValue}) {
            EXPECT_TRUE(store::QueryText(item.Get(), textName, text, sizeof(text))) << textName;
        }
        MenuItemRecord record;
        ASSERT_TRUE(ReadItem(store, name, &record));
        EXPECT_FALSE(record.englishName.empty());
        EXPECT_TRUE(orders.insert(record.order).second) << "order " << record.order << " twice";
        EXPECT_EQ(record.isNew + record.isDeleted + record.isUpdated, 0u);
        if (record.system == 1) {
            EXPECT_TRUE(commands.insert(record.systemCmd).second) << record.systemCmd;
            EXPECT_EQ(record.path, "System");
        }
    }
    EXPECT_EQ(*orders.begin(), 1u);
    EXPECT_EQ(*orders.rbegin(), count);
    for (DWORD cmd = 2001; cmd <= 2014; ++cmd) EXPECT_TRUE(commands.count(cmd)) << cmd;

    const std::map<std::string, DWORD> named = {{kAirvaneKey, kCmdWirelessLan},
                                                {kBluevaneKey, kCmdBluetooth},
                                                {kSuspendKey, kCmdSuspend},
                                                {kHibernationKey, kCmdHibernate},
                                                {kAmbroselKey, kCmdAmbrosel}};
    for (const auto& entry : named) {
        MenuItemRecord record;
        ASSERT_TRUE(ReadItem(store, entry.first.c_str(), &record)) << entry.first;
        EXPECT_EQ(record.system, 1u);
        EXPECT_EQ(record.systemCmd, entry.second);
    }
    MenuItemRecord setting;
    ASSERT_TRUE(ReadItem(store, kSettingKey, &setting));
    EXPECT_EQ(setting.system, 0u);
    EXPECT_EQ(setting.path.substr(setting.path.size() - 13), "\\Tallyset.exe");

    // The Korean names in the registry itself, whatever the locale
    const std::pair<const char*, const char*> korean[] = {
        {kAirvaneKey, "무선랜 켜기/끄기"}, {kBluevaneKey, "블루투스 켜기/끄기"}, {kSuspendKey, "대기모드"},
        {kHibernationKey, "최대절전모드"}, {kSettingKey, "Corvela 설정"},        {"Monitor", "모니터 출력"}};
    for (const auto& k : korean) {
        EXPECT_TRUE(WideValue(k.first, kKoreanNameValue) == suite::FromUtf8(k.second)) << k.first;
    }
    EXPECT_TRUE(WideValue(kAirvaneKey, kEnglishNameValue) == L"Wireless Lan OnOff");

    // and as the programs read them: in the ANSI code page
    StoreSettings koreanSettings = settings;
    koreanSettings.displayValueName = kKoreanNameValue;
    CMenuItemStore koreanStore(koreanSettings);
    if (::GetACP() == 949) {
        char text[kTextCap];
        ASSERT_EQ(koreanStore.ReadString(koreanStore.ItemPath(kSuspendKey), kKoreanNameValue, text), 1);
        EXPECT_EQ(std::string(text), Ansi("대기모드"));
    }
    EXPECT_TRUE(notifier.messages.empty());
}
