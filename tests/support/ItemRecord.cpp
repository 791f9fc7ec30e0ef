#include "ItemRecord.h"

#include <tuple>

#include "StoreRegistry.h"

namespace {

// Every value of an item key, in the order the store has always written them: a text or a number.
struct Field {
    const char* name;
    std::string MenuItemRecord::*text;
    DWORD MenuItemRecord::*number;
};
const Field kFields[] = {
    {kEnglishNameValue, &MenuItemRecord::englishName, nullptr},
    {kKoreanNameValue, &MenuItemRecord::koreanName, nullptr},
    {kPathValue, &MenuItemRecord::path, nullptr},
    {kOrderValue, nullptr, &MenuItemRecord::order},
    {kCheckValue, nullptr, &MenuItemRecord::check},
    {kSystemValue, nullptr, &MenuItemRecord::system},
    {kSystemCmdValue, nullptr, &MenuItemRecord::systemCmd},
    {kNewValue, nullptr, &MenuItemRecord::isNew},
    {kDeleteValue, nullptr, &MenuItemRecord::isDeleted},
    {kUpdateValue, nullptr, &MenuItemRecord::isUpdated},
    {kTempPathValue, &MenuItemRecord::tempPath, nullptr},
    {kTempNameValue, &MenuItemRecord::tempName, nullptr},
};

auto Tie(const MenuItemRecord& r) {
    return std::tie(r.englishName, r.koreanName, r.path, r.order, r.check, r.system, r.systemCmd, r.isNew,
                    r.isDeleted, r.isUpdated, r.tempPath, r.tempName);
}

}  // namespace

bool MenuItemRecord::operator==(const MenuItemRecord& o) const { return Tie(*this) == Tie(o); }

bool ReadItem(const CMenuItemStore& store, const char* keyName, MenuItemRecord* record) {
    if (!record) return false;
    *record = MenuItemRecord{};
    fw::RegKey item = store::OpenKey(store.Settings().userRoot, store.ItemPath(keyName), KEY_QUERY_VALUE);
    if (!item) return false;
    char text[kTextCap];
    for (const Field& f : kFields) {
        if (f.text) {
            store::QueryText(item.Get(), f.name, text, sizeof(text));
            record->*f.text = text;
        } else {
            store::QueryDword(item.Get(), f.name, &(record->*f.number));
        }
    }
    return true;
}

bool WriteItem(const CMenuItemStore& store, const char* keyName, const MenuItemRecord& record) {
    fw::RegKey item =
        store::OpenOrCreateKey(store.Settings().userRoot, store.ItemPath(keyName), KEY_SET_VALUE);
    if (!item) return false;
    bool ok = true;
    for (const Field& f : kFields) {
        const std::string* text = f.text ? &(record.*f.text) : nullptr;
        ok = (text ? store::SetText(item.Get(), f.name, text->c_str(), static_cast<DWORD>(text->size()))
                   : store::SetDword(item.Get(), f.name, record.*f.number)) &&
             ok;
    }
    return ok;
}
