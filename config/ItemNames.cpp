#include "ItemNames.h"

#include <algorithm>

#include "ItemKeyNames.h"
#include "StoreRegistry.h"

bool NameClashes(const std::string& name, const NamedItem& other) {
    if (name.empty()) return false;
    return (!other.name.empty() && store::SameKeyName(name, other.name)) ||
           (!other.keyName.empty() && store::SameKeyName(name, other.keyName));
}

std::vector<NamedItem> OtherItems(const CMenuItemStore& store, const std::string& ownKey) {
    std::vector<NamedItem> items;
    const HKEY root = store.Settings().userRoot;
    fw::RegKey storeKey = store::OpenKey(root, store.KeyPath(), KEY_ENUMERATE_SUB_KEYS);
    if (!storeKey) return items;
    char keyName[kTextCap];
    char name[kTextCap];
    for (DWORD index = 0; index < store::kMaxItemKeys; ++index) {
        const LONG rc = store::EnumSubkey(storeKey.Get(), index, keyName, sizeof(keyName));
        if (rc == ERROR_MORE_DATA) continue;  // too long for the suite: no item it lists or finds
        if (rc != ERROR_SUCCESS) break;
        if (!ownKey.empty() && store::SameKeyName(ownKey, keyName)) continue;
        fw::RegKey item = store::OpenKey(storeKey.Get(), keyName, KEY_QUERY_VALUE);
        DWORD deleted = 0;
        if (item && store::QueryDword(item.Get(), kDeleteValue, &deleted) && deleted == 1) continue;
        // A key that cannot be read still holds its name.
        if (!item || !store::QueryText(item.Get(), store.DisplayValueName(), name, sizeof(name))) name[0] = '\0';
        items.push_back(NamedItem{keyName, name});
    }
    return items;
}

bool NameTaken(const std::string& name, const std::vector<NamedItem>& items) {
    return std::any_of(items.begin(), items.end(), [&](const NamedItem& item) { return NameClashes(name, item); });
}
