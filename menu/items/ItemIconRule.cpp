#include "ItemIconRule.h"

#include "StringTable.h"
#include "Text.h"
#include "picture_ids.h"
#include "resource.h"

namespace {

// A text that failed to load is empty, and an empty text would be "contained" in every label.
bool Equals(const char* key, const std::string& text) {
    return !text.empty() && TextEquals(key, text.c_str());
}
bool Contains(const char* key, const std::string& text) {
    return !text.empty() && TextContains(key, text.c_str());
}

}  // namespace

ItemIconTexts ItemIconTexts::Load(HMODULE module) {
    ItemIconTexts t;
    t.mobileInternet = LoadText(IDS_ICON_MOBILE_INTERNET, module);
    t.wirelessLan = LoadText(IDS_ICON_WIRELESS_LAN, module);
    t.bluetooth = LoadText(IDS_ICON_BLUETOOTH, module);
    t.brightness = LoadText(IDS_ICON_BRIGHTNESS, module);
    t.monitor = LoadText(IDS_ICON_MONITOR, module);
    t.suspend = LoadText(IDS_ICON_SUSPEND, module);
    t.hibernation = LoadText(IDS_ICON_HIBERNATION, module);
    t.magnifier = LoadText(IDS_ICON_MAGNIFIER, module);
    t.tabletPc = LoadText(IDS_ICON_TABLET_PC, module);
    return t;
}

UINT ChooseItemIcon(const char* key, const ItemIconTexts& t) {
    if (!key) return IDB_ICON_PROGRAM;
    if (TextEquals(key, "DMB")) return IDB_ICON_DMB;
    if (TextEquals(key, "Scrivlet")) return IDB_ICON_SCRIVLET;
    if (Equals(key, t.mobileInternet)) return IDB_ICON_MOBILE_INTERNET;
    if (Contains(key, t.wirelessLan)) return IDB_ICON_WLAN;
    if (Contains(key, t.bluetooth)) return IDB_ICON_BLUETOOTH;
    if (Equals(key, t.brightness)) return IDB_ICON_BRIGHTNESS;
    if (Equals(key, t.monitor)) return IDB_ICON_MONITOR;
    if (Equals(key, t.suspend)) return IDB_ICON_SUSPEND;
    if (Equals(key, t.hibernation)) return IDB_ICON_HIBERNATION;
    if (Equals(key, t.magnifier)) return IDB_ICON_MAGNIFIER;
    if (TextEquals(key, "Netquill")) return IDB_ICON_NETQUILL;
    if (TextEquals(key, "Ambrosel")) return IDB_ICON_BATTERY;
    if (Equals(key, t.tabletPc)) return IDB_ICON_TABLET;
    return IDB_ICON_PROGRAM;
}
