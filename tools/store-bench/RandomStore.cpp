#include "RandomStore.h"

#include <aclapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace {

void SetNumber(HKEY key, const char* name, DWORD value) {
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

bool SetKeyDacl(HKEY root, const std::string& path, bool deny) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
    SECURITY_DESCRIPTOR sd;
    ::InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    alignas(DWORD) BYTE aclBuffer[256];
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    bool ok = false;
    if (deny) {
        ACL* acl = reinterpret_cast<ACL*>(aclBuffer);
        if (::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone) &&
            ::InitializeAcl(acl, sizeof(aclBuffer), ACL_REVISION) &&
            ::AddAccessDeniedAce(acl, ACL_REVISION, KEY_ALL_ACCESS & ~(WRITE_DAC | READ_CONTROL), everyone) &&
            ::SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE)) {
            ok = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
        }
        if (everyone) ::FreeSid(everyone);
    } else {
        ok = ::SetSecurityDescriptorDacl(&sd, TRUE, nullptr, FALSE) &&
             ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
    }
    ::RegCloseKey(key);
    return ok;
}

void AppendValue(HKEY key, const char* name, std::string* out) {
    BYTE data[64];
    DWORD type = 0;
    DWORD size = sizeof(data);
    LONG rc = ::RegQueryValueExA(key, name, nullptr, &type, data, &size);
    char text[32];
    if (rc == ERROR_FILE_NOT_FOUND) {
        *out += " -";
        return;
    }
    std::snprintf(text, sizeof(text), " %lu:%lu:", static_cast<unsigned long>(type),
                  static_cast<unsigned long>(size));
    *out += text;
    for (DWORD i = 0; rc == ERROR_SUCCESS && i < size; ++i) {
        std::snprintf(text, sizeof(text), "%02x", data[i]);
        *out += text;
    }
}

}  // namespace

bool DenyKeyAccess(HKEY root, const std::string& path) { return SetKeyDacl(root, path, true); }
bool AllowKeyAccess(HKEY root, const std::string& path) { return SetKeyDacl(root, path, false); }

void DeleteTree(HKEY root, const std::string& path) {
    AllowKeyAccess(root, path);
    HKEY key = nullptr;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) == ERROR_SUCCESS) {
        char name[520];
        for (DWORD i = 0;; ++i) {
            DWORD size = sizeof(name);
            if (::RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            AllowKeyAccess(key, name);
        }
        ::RegCloseKey(key);
    }
    ::SHDeleteKeyA(root, path.c_str());
}

std::string BuildRandomStore(HKEY root, const std::string& keyPath, const RandomStoreOptions& options) {
    DeleteTree(root, keyPath);
    std::mt19937 random(options.seed);
    const DWORD n = options.keys;

    std::vector<std::string> names;
    std::set<std::string> folded;
    const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _-";
    while (names.size() < n) {
        std::string name;
        const int length = 4 + static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) name += letters[random() % (sizeof(letters) - 1)];
        if (name.front() == ' ' || name.back() == ' ') continue;
        // Names that differ only in case are one key in the registry.
        std::string lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        if (!folded.insert(lower).second) continue;
        names.push_back(name);
    }

    std::vector<DWORD> orders(n);
    std::iota(orders.begin(), orders.end(), 1);
    std::shuffle(orders.begin(), orders.end(), random);

    HKEY store = nullptr;
    ::RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &store, nullptr);
    if (!store) return {};
    DWORD index = 0;
    for (const std::string& name : names) {
        HKEY item = nullptr;
        if (::RegCreateKeyExA(store, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &item, nullptr) !=
            ERROR_SUCCESS) {
            continue;
        }
        const DWORD pick = random() % 100;
        if (options.healthy || pick < 40) {
            SetNumber(item, "Order", orders[index]);
        } else if (pick < 55) {
            SetNumber(item, "Order", 1 + random() % (n / 4 + 1));  // duplicates
        } else if (pick < 65) {
            SetNumber(item, "Order", 0);
        } else if (pick < 75) {
            SetNumber(item, "Order", n + 1 + random() % 5);
        } else if (pick < 85) {
            // a number stored as text, or as 2 bytes: neither reads as an "Order"
            const char text[] = "3";
            if (pick % 2) {
                ::RegSetValueExA(item, "Order", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), 1);
            } else {
                const WORD small = static_cast<WORD>(1 + random() % (n ? n : 1));
                ::RegSetValueExA(item, "Order", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&small), 2);
            }
        }  // else: no "Order" at all
        const DWORD flags = random() % 9;
        if (flags % 3 != 2) SetNumber(item, "New", flags % 3);
        if (flags / 3 != 2) SetNumber(item, "Delete", flags / 3);
        ::RegCloseKey(item);
        ++index;
    }
    ::RegCloseKey(store);

    if (options.deniedIndex >= n) return {};
    // The registry decides the enumeration order; ask it which key sits at that position.
    HKEY reopened = nullptr;
    std::string denied;
    if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &reopened) == ERROR_SUCCESS) {
        char name[260];
        DWORD size = sizeof(name);
        if (::RegEnumKeyExA(reopened, options.deniedIndex, name, &size, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS) {
            denied = name;
        }
        ::RegCloseKey(reopened);
    }
    if (!denied.empty() && !DenyKeyAccess(root, keyPath + "\\" + denied)) denied.clear();
    return denied;
}

std::string SnapshotStore(HKEY root, const std::string& keyPath) {
    std::string out;
    HKEY store = nullptr;
    if (::RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &store) != ERROR_SUCCESS)
        return "<none>";
    char name[520];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof(name);
        if (::RegEnumKeyExA(store, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        out += name;
        HKEY item = nullptr;
        if (::RegOpenKeyExA(store, name, 0, KEY_QUERY_VALUE, &item) == ERROR_SUCCESS) {
            AppendValue(item, "Order", &out);
            AppendValue(item, "New", &out);
            AppendValue(item, "Delete", &out);
            ::RegCloseKey(item);
        } else {
            out += " <denied>";
        }
        out += "\n";
    }
    ::RegCloseKey(store);
    return out;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
