#include "StoreRegistry.h"

#include <cstring>
#include <vector>

namespace store {

fw::RegKey OpenKey(HKEY root, const std::string& path, REGSAM access) {
    fw::RegKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, access, key.Put()) != ERROR_SUCCESS) key.Release();
    return key;
}

fw::RegKey OpenOrCreateKey(HKEY root, const std::string& path, REGSAM access) {
    fw::RegKey key = OpenKey(root, path, access);
    if (key) return key;
    if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.Put(),
                          nullptr) != ERROR_SUCCESS) {
        key.Release();
    }
    return key;
}

bool QueryDword(HKEY key, const char* name, DWORD* value) {
    DWORD data = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof(data);
    LONG rc = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    bool ok = rc == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(data);
    if (value) *value = ok ? data : 0;
    return ok;
}

std::size_t CutAtCharBoundary(const char* text, std::size_t length, std::size_t maxBytes) {
    if (length <= maxBytes) return length;
    std::size_t pos = 0;
    while (pos < length) {
        std::size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(text[pos])) ? 2 : 1;
        if (pos + step > maxBytes) break;
        pos += step;
    }
    return pos;
}

bool QueryText(HKEY key, const char* name, char* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    std::memset(out, 0, cap);
    // Most texts fit the caller's buffer size; read those without asking for the size first.
    std::vector<char> data(cap + 1);
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(data.size());
        LONG rc = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (rc == ERROR_MORE_DATA) {
            // The size may grow between the two calls; a few rounds settle it.
            if (size > kMaxTextValueBytes) return false;
            data.assign(static_cast<std::size_t>(size) + 1, '\0');
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
        if (size > data.size()) return false;
        std::size_t length = 0;
        while (length < size && data[length] != '\0') ++length;
        length = CutAtCharBoundary(data.data(), length, cap - 1);
        std::memcpy(out, data.data(), length);
        return true;
    }
    return false;
}

bool SetDword(HKEY key, const char* name, DWORD value) {
    return ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
           ERROR_SUCCESS;
}

bool SetText(HKEY key, const char* name, const char* text, DWORD length) {
    if (!text) text = "";
    std::size_t own = ::strnlen(text, length);
    return ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>(own)) == ERROR_SUCCESS;
}

LONG EnumSubkey(HKEY key, DWORD index, char* name, std::size_t cap) {
    if (!name || cap == 0) return ERROR_INVALID_PARAMETER;
    std::memset(name, 0, cap);
    DWORD size = static_cast<DWORD>(cap);
    LONG rc = ::RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) name[0] = '\0';
    return rc;
}

DWORD CountSubkeys(HKEY key, DWORD limit) {
    // Key names are at most 255 characters, which in a double-byte code page may take 510 bytes.
    char name[520];
    DWORD count = 0;
    while (count < limit) {
        LONG rc = EnumSubkey(key, count, name, sizeof(name));
        if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) break;
        ++count;
    }
    return count;
}

}  // namespace store
