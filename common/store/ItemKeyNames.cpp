#include "ItemKeyNames.h"

#include <windows.h>

#include <cctype>

#include "StoreRegistry.h"

namespace store {
namespace {

// Upper case the way the registry folds key names: per UTF-16 character.
std::wstring Folded(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    ::CharUpperBuffW(&wide[0], static_cast<DWORD>(wide.size()));
    return wide;
}

}  // namespace

std::string KeyNameFor(const char* displayName) {
    std::string name;
    if (!displayName) return name;
    for (const char* p = displayName; *p;) {
        // The second byte of a double-byte character may equal a backslash in some code pages;
        // it is part of the character, not a separator.
        if (::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) {
            name.append(p, 2);
            p += 2;
        } else {
            name += *p == '\\' ? '/' : *p;
            ++p;
        }
    }
    name.resize(CutAtCharBoundary(name.data(), name.size(), kMaxMadeKeyNameBytes));
    return name;
}

std::string KeyNameVariant(const std::string& base, unsigned n) {
    return base + " (" + std::to_string(n) + ")";
}

bool SameKeyName(const std::string& a, const std::string& b) { return Folded(a) == Folded(b); }

bool IsKeyNameOrVariant(const std::string& key, const std::string& base) {
    if (SameKeyName(key, base)) return true;
    const std::string::size_type open = base.size();
    if (key.size() < open + 4 || key.compare(open, 2, " (") != 0 || key.back() != ')') return false;
    for (std::string::size_type i = open + 2; i + 1 < key.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(key[i]))) return false;
    }
    return SameKeyName(key.substr(0, open), base);
}

}  // namespace store
