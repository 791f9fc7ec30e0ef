#include "MenuItemStore.h"

#include <cstring>
#include <vector>

#include "IndexFile.h"
#include "ItemKeyBackup.h"
#include "StoreRegistry.h"

namespace {

constexpr LCID kKoreanSystemLocale = 0x412;

}  // namespace

CMenuItemStore::CMenuItemStore(StoreSettings settings) : settings_(std::move(settings)) {}

const char* CMenuItemStore::LanguageValueNameFor(LCID systemLocale) {
    return systemLocale == kKoreanSystemLocale ? kKoreanNameValue : kEnglishNameValue;
}

const char* CMenuItemStore::LanguageValueName() { return LanguageValueNameFor(::GetSystemDefaultLCID()); }

const char* CMenuItemStore::DisplayValueName() const {
    return settings_.displayValueName.empty() ? LanguageValueName() : settings_.displayValueName.c_str();
}

std::string CMenuItemStore::ItemPath(const char* keyName) const {
    return settings_.keyPath + "\\" + (keyName ? keyName : "");
}

IStoreNotifier& CMenuItemStore::Notifier() const {
    return settings_.notifier ? *settings_.notifier : defaultNotifier_;
}

void CMenuItemStore::ReportWriteFailure() const { Notifier().ShowMessage(kSetRegistryError); }

IDefaultsImporter& CMenuItemStore::Importer() {
    return settings_.importer ? *settings_.importer : defaultImporter_;
}

DWORD CMenuItemStore::CountItems() const {
    fw::RegKey root = store::OpenKey(settings_.userRoot, settings_.keyPath, KEY_ENUMERATE_SUB_KEYS);
    return root ? store::CountSubkeys(root.Get()) : 0;
}

int CMenuItemStore::ReadDword(const std::string& keyPath, const char* valueName, DWORD* value) const {
    if (value) *value = 0;
    fw::RegKey key = store::OpenKey(settings_.userRoot, keyPath, KEY_QUERY_VALUE);
    return key && store::QueryDword(key.Get(), valueName, value) ? 1 : 0;
}

int CMenuItemStore::WriteDword(const std::string& keyPath, const char* valueName, DWORD value) const {
    fw::RegKey key = store::OpenOrCreateKey(settings_.userRoot, keyPath, KEY_SET_VALUE);
    if (key && store::SetDword(key.Get(), valueName, value)) return 1;
    Notifier().ShowMessage(kSetRegistryError);
    return 0;
}

int CMenuItemStore::ReadString(const std::string& keyPath, const char* valueName, char* buffer,
                               std::size_t cap) const {
    if (!buffer || cap == 0) return 0;
    std::memset(buffer, 0, cap);
    fw::RegKey key = store::OpenKey(settings_.userRoot, keyPath, KEY_QUERY_VALUE);
    return key && store::QueryText(key.Get(), valueName, buffer, cap) ? 1 : 0;
}

int CMenuItemStore::WriteString(const std::string& keyPath, const char* valueName, const char* text,
                                DWORD length) const {
    fw::RegKey key = store::OpenOrCreateKey(settings_.userRoot, keyPath, KEY_SET_VALUE);
    return key && store::SetText(key.Get(), valueName, text, length) ? 1 : 0;
}

int CMenuItemStore::WriteString(const std::string& keyPath, const char* valueName, const char* text) const {
    return WriteString(keyPath, valueName, text, static_cast<DWORD>(text ? std::strlen(text) : 0));
}

// Entry n of the section "Order" names the first item key, in enumeration order, whose "Order"
// is n (1 <= n <= the number of item keys); a number that no item carries has no entry, and an
// item whose "Order" is 0, too large or taken by an earlier key is listed nowhere. "Count" is the
// number of item keys. Every key visited gets "Delete" = 0 and "New" = 0.
//
// The keys are visited as a walk that looks for each number in turn would reach them: up to the
// key that gives the highest number found, and through all keys as soon as some number is
// missing. A key that cannot be opened ends the rebuild there, with the entries found before it.
// Each key is opened once and the numbers are looked up in a table, so the cost grows with the
// number of keys, not with its square; the section is written in one piece.
bool CMenuItemStore::RebuildOrderIndex(const char* indexFilePath) {
    if (!indexFilePath) return false;
    fw::RegKey root = store::OpenKey(settings_.userRoot, settings_.keyPath, KEY_ENUMERATE_SUB_KEYS);
    if (!root) return true;
    const DWORD count = store::CountSubkeys(root.Get());

    constexpr DWORD kUnseen = MAXDWORD;
    std::vector<DWORD> firstWithOrder(static_cast<std::size_t>(count) + 1, kUnseen);
    std::vector<std::string> names;
    names.reserve(count);
    CIndexFile::Entries entries;
    char name[kTextCap];
    DWORD visited = 0;
    bool stopped = false;

    for (DWORD number = 1; number <= count && !stopped; ++number) {
        while (firstWithOrder[number] == kUnseen && visited < count) {
            if (store::EnumSubkey(root.Get(), visited, name, sizeof(name)) != ERROR_SUCCESS) {
                stopped = true;
                break;
            }
            fw::RegKey item = store::OpenKey(root.Get(), name, KEY_QUERY_VALUE | KEY_SET_VALUE);
            if (!item) {
                stopped = true;
                break;
            }
            // A settings run that ended without OK or Cancel: its edits stay, its deletions are
            // undone here, its additions stay.
            store::SettleLeftoverRun(item.Get());
            store::SetDword(item.Get(), kDeleteValue, 0);
            store::SetDword(item.Get(), kNewValue, 0);
            DWORD order = 0;
            store::QueryDword(item.Get(), kOrderValue, &order);
            if (order >= 1 && order <= count && firstWithOrder[order] == kUnseen)
                firstWithOrder[order] = visited;
            names.emplace_back(name);
            ++visited;
        }
        if (!stopped && firstWithOrder[number] != kUnseen)
            entries.emplace_back(number, names[firstWithOrder[number]]);
    }
    return CIndexFile(indexFilePath).WriteSection(kOrderSection, count, entries);
}

// Section "Check": "Count" = the number of checked items listed, then their display names in the
// order of the section "Order". Written only when at least one item is checked.
bool CMenuItemStore::RebuildCheckIndex(const char* indexFilePath) const {
    if (!indexFilePath) return false;
    CIndexFile file(indexFilePath);
    const DWORD total = file.ReadCount(kOrderSection, store::kMaxItemKeys);
    const char* valueName = DisplayValueName();
    CIndexFile::Entries checked;
    char display[kTextCap];
    for (const std::string& keyName : file.ReadEntries(kOrderSection, total, kTextCap)) {
        // A number without an entry names no item; read as an empty name it would address the
        // store key itself.
        if (keyName.empty()) continue;
        // An item key's name never holds a backslash; an entry that does (a hand-edited file)
        // would reach some other key.
        if (keyName.find('\\') != std::string::npos) continue;
        // One opening of the item key for both values: every registry call is a round trip on
        // some systems (under Wine, to its server).
        fw::RegKey item = store::OpenKey(settings_.userRoot, ItemPath(keyName.c_str()), KEY_QUERY_VALUE);
        DWORD check = 0;
        if (!item || !store::QueryDword(item.Get(), kCheckValue, &check) || check != 1) continue;
        store::QueryText(item.Get(), valueName, display, sizeof(display));
        checked.emplace_back(static_cast<DWORD>(checked.size() + 1), display);
    }
    return checked.empty() || file.WriteSection(kCheckSection, static_cast<DWORD>(checked.size()), checked);
}
