#include "PendingChanges.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstring>

#include "IndexFile.h"
#include "ItemKeyBackup.h"
#include "ItemKeyNames.h"
#include "StoreRegistry.h"

namespace {

// Values, flags and the backup subkey.
constexpr REGSAM kItemAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS;
constexpr REGSAM kStoreAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_CREATE_SUB_KEY;

DWORD Flag(HKEY item, const char* name) {
    DWORD value = 0;
    store::QueryDword(item, name, &value);
    return value;
}

std::string Text(HKEY item, const char* name) {
    char text[kTextCap];
    store::QueryText(item, name, text, sizeof(text));
    return text;
}

bool PutText(HKEY item, const char* name, const char* text) {
    return store::SetText(item, name, text, static_cast<DWORD>(std::strlen(text)));
}

bool Removed(LONG rc) { return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND; }

// The names of all item keys, gathered before anything is removed: removing keys while walking
// them by index would skip the key after each one removed.
std::vector<std::string> ItemKeyNames(HKEY storeKey) {
    std::vector<std::string> names;
    char name[kTextCap];
    for (DWORD index = 0; index < store::kMaxItemKeys; ++index) {
        const LONG rc = store::EnumSubkey(storeKey, index, name, sizeof(name));
        // A name this long is no key the suite made; nothing here can address it.
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) break;
        names.emplace_back(name);
    }
    return names;
}

bool IsRowKey(const std::vector<PendingRow>& rows, const std::string& name) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](const PendingRow& row) { return store::SameKeyName(row.keyName, name); });
}

}  // namespace

// A row's key that the commit gives a name after the row's display name.
struct CPendingChanges::Move {
    std::string* key;  // the row's key name, kept up to date as the key moves
    std::string wanted;
};

const char* CPendingChanges::OtherValueName() const {
    return std::strcmp(store_.DisplayValueName(), kKoreanNameValue) == 0 ? kEnglishNameValue : kKoreanNameValue;
}

int CPendingChanges::Fail() const {
    store_.ReportWriteFailure();
    return 0;
}

fw::RegKey CPendingChanges::OpenStore(REGSAM access) const {
    return store::OpenKey(Root(), store_.KeyPath(), access);
}

// A store that does not exist holds nothing pending; one that exists but cannot be opened is a
// failure to report.
bool CPendingChanges::StoreExists() const {
    fw::RegKey key;
    return ::RegOpenKeyExA(Root(), store_.KeyPath().c_str(), 0, KEY_QUERY_VALUE, key.Put()) != ERROR_FILE_NOT_FOUND;
}

fw::RegKey CPendingChanges::OpenItem(const std::string& keyName, REGSAM access) const {
    if (keyName.empty() || keyName.find('\\') != std::string::npos) return fw::RegKey();
    return store::OpenKey(Root(), store_.ItemPath(keyName.c_str()), access);
}

std::vector<PendingRow> CPendingChanges::ListedRows(const char* indexFilePath) const {
    std::vector<PendingRow> rows;
    if (!indexFilePath) return rows;
    CIndexFile file(indexFilePath);
    const DWORD count = file.ReadCount(kOrderSection, store::kMaxItemKeys);
    for (const std::string& keyName : file.ReadEntries(kOrderSection, count, kTextCap)) {
        if (keyName.empty()) continue;
        fw::RegKey item = OpenItem(keyName, KEY_QUERY_VALUE);
        if (!item) continue;
        PendingRow row;
        row.keyName = keyName;
        row.name = Text(item.Get(), store_.DisplayValueName());
        row.system = Flag(item.Get(), kSystemValue) == 1;
        row.path = row.system ? kBuiltInPathText : Text(item.Get(), kPathValue);
        row.checked = Flag(item.Get(), kCheckValue) == 1;
        rows.push_back(std::move(row));
    }
    return rows;
}

bool CPendingChanges::WriteName(HKEY item, const char* name) const {
    const bool ok = PutText(item, store_.DisplayValueName(), name ? name : "");
    return PutText(item, OtherValueName(), "") && ok;
}

bool CPendingChanges::WriteRow(HKEY item, const char* name, const char* path, DWORD order, bool checked) const {
    bool ok = WriteName(item, name);
    ok = store::SetDword(item, kCheckValue, checked ? 1 : 0) && ok;
    ok = store::SetDword(item, kDeleteValue, 0) && ok;
    ok = store::SetDword(item, kNewValue, 0) && ok;
    ok = store::SetDword(item, kOrderValue, order) && ok;
    return PutText(item, kPathValue, path ? path : "") && ok;
}

int CPendingChanges::AddItem(const char* name, const char* path, DWORD order, std::string* keyName) const {
    if (keyName) keyName->clear();
    const std::string base = store::KeyNameFor(name);
    // The first item of a store that does not exist yet makes the store.
    fw::RegKey storeKey = store::OpenOrCreateKey(Root(), store_.KeyPath(), KEY_CREATE_SUB_KEY);
    if (base.empty() || !storeKey) return Fail();
    fw::RegKey item;
    std::string chosen;
    for (unsigned n = 1; n <= store::kMaxKeyNameVariants && !item; ++n) {
        chosen = n == 1 ? base : store::KeyNameVariant(base, n);
        DWORD disposition = 0;
        if (::RegCreateKeyExA(storeKey.Get(), chosen.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kItemAccess,
                              nullptr, item.Put(), &disposition) != ERROR_SUCCESS) {
            item.Release();
            return Fail();
        }
        // That key is another item's, perhaps a built-in one that is called something else.
        if (disposition != REG_CREATED_NEW_KEY) item.Reset();
    }
    if (!item) return Fail();
    if (keyName) *keyName = chosen;
    // "New" first: a key that is half written is still known as added.
    bool ok = store::SetDword(item.Get(), kNewValue, 1);
    ok = WriteName(item.Get(), name) && ok;
    ok = store::SetDword(item.Get(), kCheckValue, 0) && ok;
    ok = store::SetDword(item.Get(), kDeleteValue, 0) && ok;
    ok = store::SetDword(item.Get(), kUpdateValue, 0) && ok;
    ok = store::SetDword(item.Get(), kOrderValue, order) && ok;
    ok = PutText(item.Get(), kPathValue, path ? path : "") && ok;
    ok = store::SetDword(item.Get(), kSystemValue, 0) && ok;
    ok = store::SetDword(item.Get(), kSystemCmdValue, 0) && ok;
    return ok ? 1 : 0;
}

int CPendingChanges::UpdateItem(const char* keyName, const char* name, const char* path) const {
    fw::RegKey item = OpenItem(keyName ? keyName : "", kItemAccess);
    if (!item) return Fail();
    // An item added in this run goes as a whole on Cancel; nothing of it needs keeping. A second
    // edit keeps the backup texts of the first: they are what Cancel gives back.
    if (Flag(item.Get(), kNewValue) != 1 && Flag(item.Get(), kUpdateValue) != 1) {
        const std::string oldName = Text(item.Get(), store_.DisplayValueName());
        const std::string oldPath = Text(item.Get(), kPathValue);
        if (!store::BeginChange(item.Get(), kUpdateValue)) return Fail();
        bool ok = PutText(item.Get(), kTempPathValue, oldPath.c_str());
        if (!(PutText(item.Get(), kTempNameValue, oldName.c_str()) && ok)) return 0;
    }
    const bool ok = WriteName(item.Get(), name);
    return PutText(item.Get(), kPathValue, path ? path : "") && ok ? 1 : 0;
}

int CPendingChanges::MarkItemDeleted(const char* keyName) const {
    fw::RegKey item = OpenItem(keyName ? keyName : "", kItemAccess);
    if (!item) return Fail();
    if (Flag(item.Get(), kNewValue) == 1) {
        item.Reset();
        return DeleteItemKey(keyName);
    }
    return store::BeginChange(item.Get(), kDeleteValue) ? 1 : Fail();
}

int CPendingChanges::DeleteItemKey(const char* keyName) const {
    const std::string name = keyName ? keyName : "";
    fw::RegKey storeKey = OpenStore(kStoreAccess);
    if (name.empty() || name.find('\\') != std::string::npos || !storeKey) return Fail();
    return Removed(::SHDeleteKeyA(storeKey.Get(), name.c_str())) ? 1 : Fail();
}

int CPendingChanges::CommitChanges(std::vector<PendingRow>* rows) const {
    if (!rows) return 0;
    fw::RegKey storeKey = OpenStore(kStoreAccess);
    if (!storeKey) return rows->empty() && !StoreExists() ? 1 : Fail();

    // Everything is looked at before anything is written.
    std::vector<std::string> removals;
    for (const std::string& name : ItemKeyNames(storeKey.Get())) {
        if (IsRowKey(*rows, name)) continue;
        fw::RegKey item = store::OpenKey(storeKey.Get(), name, KEY_QUERY_VALUE);
        if (!item) return Fail();
        // Taken off the list; "New" without a row is an addition the list no longer shows.
        if (Flag(item.Get(), kDeleteValue) == 1 || Flag(item.Get(), kNewValue) == 1) removals.push_back(name);
    }
    std::vector<fw::RegKey> keys;
    std::vector<bool> settle;
    std::vector<bool> renameable;
    for (const PendingRow& row : *rows) {
        fw::RegKey item = OpenItem(row.keyName, kItemAccess);
        if (!item) return Fail();
        const bool updated = Flag(item.Get(), kUpdateValue) == 1;
        settle.push_back(updated || store::HasRunBackup(item.Get()));
        // Built-in items keep their fixed key names: the programs address some of them by it.
        renameable.push_back(Flag(item.Get(), kSystemValue) != 1 && (updated || Flag(item.Get(), kNewValue) == 1));
        keys.push_back(std::move(item));
    }

    for (std::size_t i = 0; i < rows->size(); ++i) {
        const PendingRow& row = (*rows)[i];
        if (!WriteRow(keys[i].Get(), row.name.c_str(), row.path.c_str(), static_cast<DWORD>(i + 1), row.checked))
            return Fail();
    }
    for (const std::string& name : removals) {
        if (!Removed(::SHDeleteKeyA(storeKey.Get(), name.c_str()))) return Fail();
    }
    std::vector<Move> moves;
    for (std::size_t i = 0; i < rows->size(); ++i) {
        if (settle[i] && !store::SettleBookkeeping(keys[i].Get())) return Fail();
        keys[i].Reset();
        PendingRow& row = (*rows)[i];
        const std::string wanted = store::KeyNameFor(row.name.c_str());
        if (renameable[i] && !wanted.empty() && !store::SameKeyName(row.keyName, wanted))
            moves.push_back(Move{&row.keyName, wanted});
    }
    return Rehome(storeKey.Get(), &moves) ? 1 : Fail();
}

// Moves keys to the names their items want. A wanted name may be held by a key that is about to
// move away (items that swapped names in one run), or by an item that stays, which leaves a
// variant of the name.
bool CPendingChanges::Rehome(HKEY storeKey, std::vector<Move>* moves) const {
    auto heldByOther = [&](const std::string& name, const Move& self) {
        return std::any_of(moves->begin(), moves->end(),
                           [&](const Move& m) { return &m != &self && store::SameKeyName(*m.key, name); });
    };
    auto moveTo = [&](Move& m, const std::string& to) {
        if (to.empty() || !store::MoveItemKey(storeKey, *m.key, to)) return false;
        *m.key = to;
        return true;
    };
    auto freeVariant = [&](const std::string& base) {
        for (unsigned n = 2; n <= store::kMaxKeyNameVariants; ++n) {
            std::string variant = store::KeyNameVariant(base, n);
            if (!store::KeyExists(storeKey, variant)) return variant;
        }
        return std::string();
    };

    while (!moves->empty()) {
        bool progress = false;
        for (auto it = moves->begin(); it != moves->end();) {
            if (store::KeyExists(storeKey, it->wanted)) {
                ++it;
                continue;
            }
            if (!moveTo(*it, it->wanted)) return false;
            it = moves->erase(it);
            progress = true;
        }
        if (progress) continue;
        for (auto it = moves->begin(); it != moves->end();) {
            if (heldByOther(it->wanted, *it)) {
                ++it;
                continue;
            }
            if (!store::IsKeyNameOrVariant(*it->key, it->wanted) && !moveTo(*it, freeVariant(it->wanted)))
                return false;
            it = moves->erase(it);
            progress = true;
        }
        if (progress) continue;
        // Every wanted name belongs to another key that moves: a ring of renames. A key that
        // another one wants steps aside, and the ring unwinds from there.
        auto aside = std::find_if(moves->begin(), moves->end(), [&](const Move& m) {
            return std::any_of(moves->begin(), moves->end(),
                               [&](const Move& o) { return &o != &m && store::SameKeyName(o.wanted, *m.key); });
        });
        if (aside == moves->end() || !moveTo(*aside, freeVariant(aside->wanted))) return false;
    }
    return true;
}

int CPendingChanges::RollbackChanges() const {
    fw::RegKey storeKey = OpenStore(kStoreAccess);
    if (!storeKey) return StoreExists() ? Fail() : 1;
    bool ok = true;
    for (const std::string& name : ItemKeyNames(storeKey.Get())) {
        fw::RegKey item = store::OpenKey(storeKey.Get(), name, kItemAccess);
        if (!item) {
            ok = false;
            continue;
        }
        if (Flag(item.Get(), kNewValue) == 1) {
            item.Reset();
            ok = Removed(::SHDeleteKeyA(storeKey.Get(), name.c_str())) && ok;
        } else if (store::HasRunBackup(item.Get())) {
            ok = store::RestoreBackup(item.Get()) && ok;
        }
    }
    return ok ? 1 : Fail();
}
