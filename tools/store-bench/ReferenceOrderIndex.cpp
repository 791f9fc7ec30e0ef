#include "ReferenceOrderIndex.h"

#include <cstdio>
#include <cstring>

namespace {

DWORD CountByEnumeration(HKEY root) {
    char name[520];
    DWORD count = 0;
    while (count < 10000) {
        DWORD size = sizeof(name);
        LONG rc = ::RegEnumKeyExA(root, count, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) break;
        ++count;
    }
    return count;
}

void WriteNumber(HKEY key, const char* name, DWORD value) {
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

DWORD ReadNumber(HKEY key, const char* name) {
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return 0;
    }
    return value;
}

}  // namespace

void ReferenceRebuildOrderIndex(HKEY userRoot, const std::string& keyPath, const char* indexFilePath) {
    HKEY root = nullptr;
    if (::RegOpenKeyExA(userRoot, keyPath.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &root) != ERROR_SUCCESS) return;
    const DWORD count = CountByEnumeration(root);
    char text[32];
    std::snprintf(text, sizeof(text), "%lu", static_cast<unsigned long>(count));
    ::WritePrivateProfileStringA("Order", "Count", text, indexFilePath);

    for (DWORD number = 1; number <= count; ++number) {
        for (DWORD index = 0; index < count; ++index) {
            char name[260] = {};
            DWORD size = sizeof(name);
            if (::RegEnumKeyExA(root, index, name, &size, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS) {
                ::RegCloseKey(root);
                return;
            }
            HKEY item = nullptr;
            if (::RegOpenKeyExA(root, name, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &item) != ERROR_SUCCESS) {
                ::RegCloseKey(root);
                return;
            }
            WriteNumber(item, "Delete", 0);
            WriteNumber(item, "New", 0);
            const DWORD order = ReadNumber(item, "Order");
            ::RegCloseKey(item);
            if (order == number) {
                std::snprintf(text, sizeof(text), "%lu", static_cast<unsigned long>(number));
                ::WritePrivateProfileStringA("Order", text, name, indexFilePath);
                break;
            }
        }
    }
    ::RegCloseKey(root);
}
