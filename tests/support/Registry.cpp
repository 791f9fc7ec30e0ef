#include "Registry.h"

#include <shlwapi.h>

#include <cstring>

#include "Encoding.h"
#include "Handles.h"

namespace suite {

bool SetDword(const char* keyPath, const char* name, DWORD value, HKEY root) {
    fw::RegKey key;
    if (::RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return ::RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof(value)) == ERROR_SUCCESS;
}

bool SetString(const char* keyPath, const char* name, const char* value, HKEY root) {
    fw::RegKey key;
    if (::RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return ::RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                            static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
}

bool ReadDword(const char* keyPath, const char* name, DWORD* value, HKEY root) {
    DWORD type = 0;
    DWORD size = sizeof(*value);
    return ::SHGetValueA(root, keyPath, name, &type, value, &size) == ERROR_SUCCESS && type == REG_DWORD;
}

DWORD ReadDwordOr(const char* keyPath, const char* name, DWORD fallback, HKEY root) {
    DWORD value = 0;
    return ReadDword(keyPath, name, &value, root) ? value : fallback;
}

void DeleteTree(const char* keyPath, HKEY root) { ::SHDeleteKeyA(root, keyPath); }

bool KeyExists(const char* keyPath, HKEY root) {
    fw::RegKey key;
    return ::RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
}

int CountSubkeys(const char* keyPath, HKEY root) {
    fw::RegKey key;
    if (::RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) return -1;
    DWORD count = 0;
    if (::RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(count);
}

std::wstring ReadTextW(const char* keyPath, const char* name, HKEY root) {
    const std::wstring path = FromUtf8(keyPath);
    const std::wstring value = FromUtf8(name);
    wchar_t text[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof(text) - sizeof(wchar_t);
    if (::SHGetValueW(root, path.c_str(), name ? value.c_str() : nullptr, &type, text, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::wstring();
    return text;
}

std::string ReadText(const char* keyPath, const char* name, HKEY root) {
    char text[1024] = {};
    DWORD type = 0;
    DWORD size = sizeof(text) - 1;
    if (::SHGetValueA(root, keyPath, name, &type, text, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    return text;
}

}  // namespace suite
