#include "StartStore.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>

#include "Handles.h"
#include "MenuItemRecord.h"
#include "RandomStore.h"
#include "SuiteHarness.h"

namespace suite::endurance {
namespace {

using Random = std::mt19937;

int Below(Random& r, int n) { return n <= 0 ? 0 : static_cast<int>(r() % static_cast<unsigned>(n)); }
bool Chance(Random& r, int percent) { return Below(r, 100) < percent; }

const char* const kRecordValues[] = {kEnglishNameValue, kKoreanNameValue, kPathValue,   kOrderValue,
                                     kCheckValue,       kSystemValue,     kSystemCmdValue, kNewValue,
                                     kDeleteValue,      kUpdateValue,     kTempPathValue, kTempNameValue};
const DWORD kTypes[] = {REG_NONE,  REG_SZ,        REG_EXPAND_SZ, REG_BINARY,
                        REG_DWORD, REG_DWORD_BIG_ENDIAN, REG_MULTI_SZ, REG_QWORD};

// Bytes 1-255; a key name cannot hold a backslash (it would name a key below).
std::string Bytes(Random& r, int length, bool keyName) {
    std::string text;
    for (int i = 0; i < length; ++i) {
        char c = static_cast<char>(1 + Below(r, 255));
        if (keyName && c == '\\') c = '/';
        text.push_back(c);
    }
    return text;
}

void SetRaw(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    ::RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                     static_cast<DWORD>(bytes.size()));
}
void SetNumber(HKEY key, const char* name, DWORD value) {
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}
// A text as the suite writes it (without its terminator) or as other tools do (with it).
void SetText(HKEY key, const char* name, const std::string& text, bool terminated) {
    SetRaw(key, name, REG_SZ, terminated ? text + '\0' : text);
}

// A new item key with a name no other key has (the registry ignores case); null when none.
fw::RegKey NewItemKey(HKEY store, const std::string& name) {
    fw::RegKey key;
    if (name.empty() || ::RegOpenKeyExA(store, name.c_str(), 0, KEY_READ, key.Put()) == ERROR_SUCCESS)
        return fw::RegKey();
    ::RegCreateKeyExA(store, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Put(), nullptr);
    return key;
}

// Every value of the record, each with its right type.
void WriteHealthy(HKEY item, Random& r, const std::string& name, DWORD order) {
    const bool terminated = Chance(r, 50);
    SetText(item, kEnglishNameValue, name, terminated);
    SetText(item, kKoreanNameValue, Chance(r, 50) ? name : std::string(), terminated);
    SetText(item, kPathValue, "C:\\" + Bytes(r, Below(r, 200), true), terminated);
    SetNumber(item, kOrderValue, order);
    SetNumber(item, kCheckValue, Chance(r, 70) ? 1 : 0);
    const bool builtIn = Chance(r, 20);
    SetNumber(item, kSystemValue, builtIn ? 1 : 0);
    SetNumber(item, kSystemCmdValue, builtIn ? static_cast<DWORD>(kCmdTunecast + Below(r, 14)) : 0);
    for (const char* flag : {kNewValue, kDeleteValue, kUpdateValue}) SetNumber(item, flag, 0);
    SetText(item, kTempPathValue, "", terminated);
    SetText(item, kTempNameValue, "", terminated);
}

// Data of any type and size for one value: mostly short, some long, and once in a while (at most
// once a store, `hugeLeft`) over a megabyte, which readers must refuse rather than read.
void WriteAnything(HKEY key, Random& r, const char* name, bool* hugeLeft) {
    const int pick = Below(r, 1000);
    int size = pick < 500 ? Below(r, 9) : pick < 985 ? 9 + Below(r, 600) : 600 + Below(r, 70000);
    if (pick >= 998 && *hugeLeft) {
        size = (1 << 20) + 4096;
        *hugeLeft = false;
    }
    SetRaw(key, name, kTypes[Below(r, 8)], Bytes(r, size, false));
}

bool Is(const char* value, const char* name) { return std::strcmp(value, name) == 0; }

void WriteDamaged(HKEY item, Random& r, int keys, bool* hugeLeft) {
    for (const char* value : kRecordValues) {
        const int pick = Below(r, 10);
        if (pick < 3) continue;  // missing
        if (pick < 5) {          // plausible
            if (Is(value, kOrderValue))
                SetNumber(item, value, static_cast<DWORD>(Below(r, keys + 3)));
            else if (Is(value, kEnglishNameValue) || Is(value, kKoreanNameValue))
                SetText(item, value, Bytes(r, 1 + Below(r, 300), false), Chance(r, 50));
            else
                SetNumber(item, value, static_cast<DWORD>(Below(r, 3)));
            continue;
        }
        WriteAnything(item, r, value, hugeLeft);
    }
    // What an unfinished settings run leaves: its flags, and a backup below the item.
    if (Chance(r, 25)) {
        SetNumber(item, Chance(r, 50) ? kUpdateValue : kDeleteValue, 1);
        fw::RegKey backup;
        if (::RegCreateKeyExA(item, "Backup", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, backup.Put(), nullptr) ==
            ERROR_SUCCESS) {
            for (int n = Below(r, 6); n > 0; --n) WriteAnything(backup.Get(), r, kRecordValues[Below(r, 12)], hugeLeft);
        }
    }
    for (int n = Below(r, 3); n > 0; --n) WriteAnything(item, r, Bytes(r, 1 + Below(r, 30), false).c_str(), hugeLeft);
}

void WriteTraySetting(HKEY store, Random& r) {
    // Any form but the one that switches the tray program on (a 4-byte DWORD 1): the panel would
    // start Perchlet, which is not under test here.
    switch (Below(r, 6)) {
        case 0: break;
        case 1: SetNumber(store, kTrayCheckValue, 0); break;
        case 2: SetNumber(store, kTrayCheckValue, 2 + r()); break;
        case 3: SetRaw(store, kTrayCheckValue, REG_SZ, std::string("1", 2)); break;
        case 4: SetRaw(store, kTrayCheckValue, REG_BINARY, std::string("\1\0\0\0", 4)); break;
        default: SetRaw(store, kTrayCheckValue, REG_DWORD, std::string("\1\0", 2)); break;
    }
}

void WriteIndexFile(const std::string& path, IndexDamage damage, Random& r) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        ::CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    std::string bytes;
    switch (damage) {
        case IndexDamage::None: return;
        case IndexDamage::Garbage: bytes = Bytes(r, Below(r, 65536), false); break;
        case IndexDamage::ForgedCounts:
            bytes = "[Order]\r\nCount=4294967295\r\n1=..\\..\\Software\r\n2=\r\n3=" + std::string(5000, 'k') +
                    "\r\n[Check]\r\nCount=99999999999\r\n1=" + Bytes(r, 400, true) + "\r\n-1=x\r\n0=y\r\n";
            break;
        case IndexDamage::EndlessLine: bytes = "[Check]\r\nCount=3\r\n1=" + std::string(200000, 'x'); break;
        case IndexDamage::Utf16: {
            const std::wstring text = L"\xFEFF[Order]\r\nCount=9\r\n1=Alpha\r\n[Check]\r\nCount=1\r\n1=Alpha\r\n";
            bytes.assign(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
            break;
        }
        case IndexDamage::Folder: ::CreateDirectoryA(path.c_str(), nullptr); return;
    }
    fw::KernelHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                        nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return;
    }
    DWORD written = 0;
    ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

const char* DamageName(IndexDamage damage) {
    static const char* const kNames[] = {"none", "garbage", "forged counts", "endless line", "UTF-16", "a folder"};
    return kNames[static_cast<int>(damage)];
}

std::string StartStore::Describe() const {
    return "seed " + std::to_string(seed) + ", " + std::to_string(keys) + " item keys, " +
           std::to_string(healthy.size()) + " healthy, index file: " + DamageName(damage) +
           (denied.empty() ? "" : ", one key nobody may open");
}

int KeyCountForRound(int round, unsigned seed) {
    const int edges[] = {0, 12000, 9, 10};
    if (round >= 1 && round <= 4) return edges[round - 1];
    Random r(seed);
    const int pick = Below(r, 100);
    if (pick < 55) return Below(r, 40);
    if (pick < 85) return 40 + Below(r, 400);
    if (pick < 96) return 440 + Below(r, 2000);
    return 2440 + Below(r, 9561);
}

StartStore WriteStartStore(unsigned seed, int keys, const std::string& indexFile) {
    StartStore store;
    store.seed = seed;
    Random r(seed);
    DeleteTree(kStoreKeyPath);
    fw::RegKey root;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kStoreKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, root.Put(),
                          nullptr) != ERROR_SUCCESS)
        return store;
    WriteTraySetting(root.Get(), r);

    // Healthy items take the first numbers of a shuffled 1..keys, so no two share an "Order".
    std::vector<DWORD> orders(static_cast<std::size_t>(keys));
    std::iota(orders.begin(), orders.end(), 1);
    std::shuffle(orders.begin(), orders.end(), r);
    const int healthyWanted = std::min(keys, keys < 300 ? Below(r, keys + 1) : 20 + Below(r, 100));
    const int damagedShare = keys < 300 ? 60 : 15;  // of the rest; the others are bare keys
    // One healthy item named with every byte, and one whose key name holds every byte a key name may.
    std::string everyByte;
    for (int c = 1; c < 256; ++c) everyByte.push_back(static_cast<char>(c));
    std::string everyKeyByte;
    for (int c = 1; c < 256; ++c)
        if (c != '\\') everyKeyByte.push_back(static_cast<char>(c));

    bool everyKeyByteTried = keys < 10;
    bool hugeLeft = true;
    for (int n = 0, made = 0; made < keys && n < keys * 4 + 16; ++n) {
        const bool healthy = static_cast<int>(store.healthy.size()) < healthyWanted;
        std::string name = Bytes(r, Chance(r, 5) ? 100 + Below(r, 156) : 1 + Below(r, 24), true);
        if (healthy && !everyKeyByteTried) {
            name = everyKeyByte;
            everyKeyByteTried = true;
        }
        fw::RegKey item = NewItemKey(root.Get(), name);
        if (!item) continue;
        if (healthy) {
            const std::string label =
                store.healthy.size() == 1 ? everyByte : Bytes(r, 1 + Below(r, Chance(r, 10) ? 259 : 30), false);
            WriteHealthy(item.Get(), r, label, orders[static_cast<std::size_t>(made)]);
            store.healthy.push_back(name);
        } else if (Chance(r, damagedShare)) {
            WriteDamaged(item.Get(), r, keys, &hugeLeft);
        } else if (Chance(r, 50)) {
            SetNumber(item.Get(), kOrderValue, static_cast<DWORD>(Below(r, keys + 2)));
        }
        ++made;
    }
    store.keys = CountSubkeys(kStoreKeyPath);

    // Now and then one damaged item key nobody may open (never a healthy one).
    if (store.keys > static_cast<int>(store.healthy.size()) && Chance(r, 8)) {
        for (int attempt = 0; attempt < 8 && store.denied.empty(); ++attempt) {
            char name[300] = {};
            DWORD length = sizeof(name);
            if (::RegEnumKeyExA(root.Get(), static_cast<DWORD>(Below(r, store.keys)), name, &length, nullptr,
                                nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
                std::find(store.healthy.begin(), store.healthy.end(), name) != store.healthy.end())
                continue;
            if (DenyKeyAccess(HKEY_CURRENT_USER, std::string(kStoreKeyPath) + "\\" + name)) store.denied = name;
        }
    }

    const int pick = Below(r, 100);
    store.damage = pick < 45   ? IndexDamage::None
                   : pick < 58 ? IndexDamage::Garbage
                   : pick < 71 ? IndexDamage::ForgedCounts
                   : pick < 84 ? IndexDamage::EndlessLine
                   : pick < 96 ? IndexDamage::Utf16
                               : IndexDamage::Folder;
    WriteIndexFile(indexFile, store.damage, r);
    return store;
}

void RemoveStartStore(const StartStore& store, const std::string& indexFile) {
    if (!store.denied.empty()) AllowKeyAccess(HKEY_CURRENT_USER, std::string(kStoreKeyPath) + "\\" + store.denied);
    DeleteTree(kStoreKeyPath);
    ::DeleteFileA(indexFile.c_str());
    ::RemoveDirectoryA(indexFile.c_str());
}

}  // namespace suite::endurance
