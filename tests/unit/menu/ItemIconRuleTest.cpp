// The icon an item button chooses from its label, with the texts of the program's own string
// tables in English and in Korean.
#include <gtest/gtest.h>

#include <string>

#include "Encoding.h"
#include "Handles.h"
#include "ItemIconRule.h"
#include "LanguageTable.h"
#include "Paths.h"
#include "SuiteContract.h"
#include "picture_ids.h"
#include "resource.h"

namespace {

// The built program, loaded for its resources only.
fw::Module LoadCorvelaResources() {
    return fw::Module(::LoadLibraryExA(suite::DistFile(kPanelProgramFile).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

ItemIconTexts TextsFor(HMODULE module, LANGID language, UINT codePage) {
    ItemIconTexts t;
    t.mobileInternet = suite::LoadTextForLanguage(IDS_ICON_MOBILE_INTERNET, language, codePage, module);
    t.wirelessLan = suite::LoadTextForLanguage(IDS_ICON_WIRELESS_LAN, language, codePage, module);
    t.bluetooth = suite::LoadTextForLanguage(IDS_ICON_BLUETOOTH, language, codePage, module);
    t.brightness = suite::LoadTextForLanguage(IDS_ICON_BRIGHTNESS, language, codePage, module);
    t.monitor = suite::LoadTextForLanguage(IDS_ICON_MONITOR, language, codePage, module);
    t.suspend = suite::LoadTextForLanguage(IDS_ICON_SUSPEND, language, codePage, module);
    t.hibernation = suite::LoadTextForLanguage(IDS_ICON_HIBERNATION, language, codePage, module);
    t.magnifier = suite::LoadTextForLanguage(IDS_ICON_MAGNIFIER, language, codePage, module);
    t.tabletPc = suite::LoadTextForLanguage(IDS_ICON_TABLET_PC, language, codePage, module);
    return t;
}

struct Case {
    const char* key;  // UTF-8 in the table, converted to the table's code page
    UINT icon;
};

class ItemIconRuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadCorvelaResources();
        ASSERT_TRUE(module_.Valid()) << suite::DistFile(kPanelProgramFile);
    }
    fw::Module module_;
};

TEST_F(ItemIconRuleTest, EnglishTable) {
    const ItemIconTexts t = TextsFor(module_.Get(), LANG_ENGLISH, 1252);
    EXPECT_EQ("Mobile Internet", t.mobileInternet);
    EXPECT_EQ("Tablet PC Setting", t.tabletPc);
    const Case cases[] = {
        {"DMB", IDB_ICON_DMB},
        {"Scrivlet", IDB_ICON_SCRIVLET},
        {"Mobile Internet", IDB_ICON_MOBILE_INTERNET},
        {"Mobile Internet 2", IDB_ICON_PROGRAM},  // must be equal
        {"Wireless Lan", IDB_ICON_WLAN},
        {"Wireless Lan OnOff", IDB_ICON_WLAN},  // contains is enough
        {"My Wireless Lan card", IDB_ICON_WLAN},
        {"Wireless", IDB_ICON_PROGRAM},
        {"Bluetooth On", IDB_ICON_BLUETOOTH},
        {"Old Bluetooth headset", IDB_ICON_BLUETOOTH},
        {"bluetooth", IDB_ICON_PROGRAM},  // case-sensitive
        {"Brightness Control", IDB_ICON_BRIGHTNESS},
        {"Monitor", IDB_ICON_MONITOR},
        {"Monitor 2", IDB_ICON_PROGRAM},
        {"Suspend", IDB_ICON_SUSPEND},
        {"Hibernation", IDB_ICON_HIBERNATION},
        {"Magnifier", IDB_ICON_MAGNIFIER},
        {"Netquill", IDB_ICON_NETQUILL},
        {"Ambrosel", IDB_ICON_BATTERY},
        {"Tablet PC Setting", IDB_ICON_TABLET},
        {"Corvela Setting", IDB_ICON_PROGRAM},
        {"Notepad", IDB_ICON_PROGRAM},
        {"", IDB_ICON_PROGRAM},
        // A Korean name under the English table is just a user's name.
        {"모니터 출력", IDB_ICON_PROGRAM},
        // Order: a label with both radio names takes the wireless LAN icon.
        {"Wireless Lan Bluetooth", IDB_ICON_WLAN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.icon, ChooseItemIcon(suite::Ansi(c.key, 1252).c_str(), t)) << c.key;
    EXPECT_EQ(static_cast<UINT>(IDB_ICON_PROGRAM), ChooseItemIcon(nullptr, t));
}

TEST_F(ItemIconRuleTest, KoreanTable) {
    const ItemIconTexts t = TextsFor(module_.Get(), LANG_KOREAN, 949);
    EXPECT_EQ(suite::Ansi("모니터 출력", 949), t.monitor);
    const Case cases[] = {
        {"휴대 인터넷", IDB_ICON_MOBILE_INTERNET},
        {"무선랜 켜기/끄기", IDB_ICON_WLAN},
        {"블루투스 끄기", IDB_ICON_BLUETOOTH},
        {"밝기조절", IDB_ICON_BRIGHTNESS},
        {"모니터 출력", IDB_ICON_MONITOR},
        {"대기모드", IDB_ICON_SUSPEND},
        {"최대절전모드", IDB_ICON_HIBERNATION},
        {"돋보기", IDB_ICON_MAGNIFIER},
        {"Tablet PC 설정", IDB_ICON_TABLET},
        {"Corvela 설정", IDB_ICON_PROGRAM},
        {"DMB", IDB_ICON_DMB},
        {"Netquill", IDB_ICON_NETQUILL},
        // English names under the Korean table are a user's own names.
        {"Monitor", IDB_ICON_PROGRAM},
        {"Bluetooth On", IDB_ICON_PROGRAM},
    };
    for (const Case& c : cases) EXPECT_EQ(c.icon, ChooseItemIcon(suite::Ansi(c.key, 949).c_str(), t)) << c.key;
}

// A table that lacks a text must not turn every label into a wireless LAN item.
TEST(ItemIconRule, MissingTextsMatchNothing) {
    const ItemIconTexts empty;
    EXPECT_EQ(static_cast<UINT>(IDB_ICON_PROGRAM), ChooseItemIcon("Anything", empty));
    EXPECT_EQ(static_cast<UINT>(IDB_ICON_DMB), ChooseItemIcon("DMB", empty));
}

}  // namespace
