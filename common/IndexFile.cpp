#include "IndexFile.h"

#include <cstdio>
#include <cstring>

#include "StoreRegistry.h"

bool CIndexFile::Remove() const { return ::DeleteFileA(path_.c_str()) != FALSE; }

DWORD CIndexFile::ReadCount(const char* section, DWORD limit) const {
    char text[64] = {};
    ::GetPrivateProfileStringA(section, "Count", "", text, sizeof(text), path_.c_str());
    unsigned long long value = 0;
    bool digits = false;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) {
        digits = true;
        value = value * 10 + static_cast<unsigned>(*p - '0');
        if (value > limit) return limit;
    }
    return digits ? static_cast<DWORD>(value) : 0;
}

bool CIndexFile::ReadEntry(const char* section, DWORD number, char* out, std::size_t cap) const {
    if (!out || cap == 0) return false;
    std::memset(out, 0, cap);
    char key[16] = {};
    std::snprintf(key, sizeof(key), "%lu", static_cast<unsigned long>(number));
    std::vector<char> text(cap + 2, '\0');
    DWORD n = ::GetPrivateProfileStringA(section, key, "", text.data(), static_cast<DWORD>(text.size()),
                                         path_.c_str());
    if (n >= text.size()) n = static_cast<DWORD>(text.size() - 1);
    std::size_t length = store::CutAtCharBoundary(text.data(), ::strnlen(text.data(), n), cap - 1);
    std::memcpy(out, text.data(), length);
    return length > 0;
}

std::string CIndexFile::FlattenValue(const std::string& value) {
    std::string flat = value;
    for (char& c : flat) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return flat;
}

bool CIndexFile::WriteSection(const char* section, DWORD count, const Entries& entries) const {
    // Key=value pairs, each ended by a zero, the whole ended by a second zero.
    std::string block = "Count=" + std::to_string(count);
    block.push_back('\0');
    for (const auto& entry : entries) {
        block += std::to_string(entry.first);
        block.push_back('=');
        block += FlattenValue(entry.second);
        block.push_back('\0');
    }
    block.push_back('\0');
    return ::WritePrivateProfileSectionA(section, block.data(), path_.c_str()) != FALSE;
}
