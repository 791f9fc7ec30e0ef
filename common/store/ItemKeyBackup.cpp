#include "ItemKeyBackup.h"

#include <shlwapi.h>

#include <algorithm>
#include <initializer_list>

#include "Handles.h"
#include "MenuItemRecord.h"
#include "StoreRegistry.h"

namespace store {
namespace {

// Registry limit for value names, in characters.
constexpr DWORD kValueNameCap = 16384;

// Values that say where an item stands in a run; restored after everything else, so that an
// item interrupted half-way still shows that it has a backup to be settled.
constexpr const char* kRunValues[] = {kTempPathValue, kTempNameValue, kNewValue, kDeleteValue, kUpdateValue};
constexpr const char* kBookkeepingValues[] = {kTempPathValue, kTempNameValue, kUpdateValue};

std::wstring WideName(const char* name) {
    const int n = ::MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<std::size_t>(n) : 1, L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, name, -1, &wide[0], n);
    wide.resize(wide.size() - 1);
    return wide;
}

// Value names, like key names, ignore case.
bool SameValueName(const std::wstring& a, const std::wstring& b) { return ::lstrcmpiW(a.c_str(), b.c_str()) == 0; }

template <class Names>
bool IsOneOf(const std::wstring& name, const Names& names) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* n) { return SameValueName(name, WideName(n)); });
}

const RawValue* Find(const RawValues& values, const std::wstring& name) {
    for (const RawValue& v : values) {
        if (SameValueName(v.name, name)) return &v;
    }
    return nullptr;
}

bool RemoveValue(HKEY key, const std::wstring& name) {
    const LONG rc = ::RegDeleteValueW(key, name.c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

// Each named value as `saved` holds it, or removed when it holds none.
template <class Names>
bool PutBack(HKEY item, const RawValues& saved, const Names& names) {
    bool ok = true;
    for (const char* n : names) {
        const std::wstring name = WideName(n);
        const RawValue* value = Find(saved, name);
        ok = (value ? WriteRawValue(item, *value) : RemoveValue(item, name)) && ok;
    }
    return ok;
}

bool ReadBackup(HKEY item, RawValues* saved) {
    fw::RegKey backup = OpenKey(item, kBackupKeyName, KEY_QUERY_VALUE);
    if (!backup) return false;
    *saved = ReadRawValues(backup.Get());
    return true;
}

bool RemoveBackup(HKEY item) {
    const LONG rc = ::SHDeleteKeyA(item, kBackupKeyName);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

DWORD Flag(HKEY item, const char* name) {
    DWORD value = 0;
    QueryDword(item, name, &value);
    return value;
}

}  // namespace

RawValues ReadRawValues(HKEY key) {
    RawValues values;
    std::vector<wchar_t> name(kValueNameCap);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = kValueNameCap;
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (::RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        RawValue value;
        value.name.assign(name.data(), nameLength);
        value.type = type;
        value.data.resize(size);
        DWORD got = size;
        if (size > 0 && ::RegQueryValueExW(key, value.name.c_str(), nullptr, &value.type, value.data.data(),
                                           &got) == ERROR_SUCCESS)
            value.data.resize(got);
        values.push_back(std::move(value));
    }
    return values;
}

bool WriteRawValue(HKEY key, const RawValue& value) {
    return ::RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.empty() ? nullptr : value.data.data(),
                            static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool HasRunBackup(HKEY item) {
    if (Flag(item, kUpdateValue) != 1 && Flag(item, kDeleteValue) != 1) return false;
    return static_cast<bool>(OpenKey(item, kBackupKeyName, KEY_QUERY_VALUE));
}

bool BeginChange(HKEY item, const char* flag) {
    if (HasRunBackup(item)) return SetDword(item, flag, 1);
    // Read before the flag is set, so that the backup holds the flag as the run found it; the
    // flag goes in first, so that an interrupted run never leaves a backup nobody settles.
    const RawValues before = ReadRawValues(item);
    const char* const flags[] = {flag};
    bool ok = RemoveBackup(item) && SetDword(item, flag, 1);
    if (ok) {
        fw::RegKey backup = OpenOrCreateKey(item, kBackupKeyName, KEY_SET_VALUE);
        ok = static_cast<bool>(backup);
        for (const RawValue& v : before) ok = ok && WriteRawValue(backup.Get(), v);
    }
    if (ok) return true;
    // A partial backup would make Cancel remove what it lacks.
    RemoveBackup(item);
    PutBack(item, before, flags);
    return false;
}

bool RestoreBackup(HKEY item) {
    RawValues saved;
    if (!ReadBackup(item, &saved)) return false;
    const RawValues now = ReadRawValues(item);
    bool ok = true;
    for (const RawValue& v : saved) {
        if (!IsOneOf(v.name, kRunValues)) ok = WriteRawValue(item, v) && ok;
    }
    for (const RawValue& v : now) {
        if (!IsOneOf(v.name, kRunValues) && !Find(saved, v.name)) ok = RemoveValue(item, v.name) && ok;
    }
    ok = PutBack(item, saved, kRunValues) && ok;
    return ok && RemoveBackup(item);
}

bool SettleBookkeeping(HKEY item) {
    RawValues saved;
    if (ReadBackup(item, &saved)) return PutBack(item, saved, kBookkeepingValues) && RemoveBackup(item);
    if (Flag(item, kUpdateValue) != 1) return true;
    bool ok = SetDword(item, kUpdateValue, 0);
    ok = SetText(item, kTempPathValue, "", 0) && ok;
    return SetText(item, kTempNameValue, "", 0) && ok;
}

void SettleLeftoverRun(HKEY item) {
    if (Flag(item, kUpdateValue) == 1 || Flag(item, kDeleteValue) == 1) SettleBookkeeping(item);
}

bool KeyExists(HKEY parent, const std::string& name) {
    fw::RegKey key;
    const LONG rc = ::RegOpenKeyExA(parent, name.c_str(), 0, KEY_QUERY_VALUE, key.Put());
    if (rc != ERROR_SUCCESS) key.Release();
    return rc != ERROR_FILE_NOT_FOUND;
}

bool MoveItemKey(HKEY parent, const std::string& from, const std::string& to) {
    fw::RegKey source = OpenKey(parent, from, KEY_QUERY_VALUE);
    if (!source) return false;
    fw::RegKey target;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(parent, to.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                          target.Put(), &disposition) != ERROR_SUCCESS) {
        target.Release();
        return false;
    }
    // An existing key belongs to another item; nothing of it may be overwritten.
    if (disposition != REG_CREATED_NEW_KEY) return false;
    bool ok = true;
    for (const RawValue& v : ReadRawValues(source.Get())) ok = WriteRawValue(target.Get(), v) && ok;
    target.Reset();
    source.Reset();
    if (ok && ::SHDeleteKeyA(parent, from.c_str()) == ERROR_SUCCESS) return true;
    ::RegDeleteKeyA(parent, to.c_str());
    return false;
}

}  // namespace store
