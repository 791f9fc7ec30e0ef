#include "IndexFile.h"

#include <cstdio>
#include <cstring>

#include "StoreRegistry.h"

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

std::vector<std::string> CIndexFile::ReadEntries(const char* section, DWORD count, std::size_t cap) const {
    std::vector<std::string> entries(count);
    if (count == 0 || cap == 0) return entries;
    // The section as "key=value" strings, each ended by a zero, the whole by a second one; a
    // buffer that was too small comes back filled to its size less two.
    std::vector<char> block;
    DWORD got = 0;
    for (DWORD size = 64 * 1024; size <= (64u << 20); size *= 4) {
        block.assign(size, '\0');
        got = ::GetPrivateProfileSectionA(section, block.data(), size, path_.c_str());
        if (got < size - 2) break;
    }
    for (const char* line = block.data(); line < block.data() + got && *line; line += std::strlen(line) + 1) {
        const char* equals = std::strchr(line, '=');
        if (!equals || equals == line || *line == '0') continue;  // only the numbers as written
        unsigned long long number = 0;
        const char* p = line;
        for (; p < equals && *p >= '0' && *p <= '9' && number <= count; ++p) number = number * 10 + (*p - '0');
        if (p != equals || number == 0 || number > count) continue;
        std::string& entry = entries[static_cast<std::size_t>(number - 1)];
        if (!entry.empty()) continue;  // the first of two equal keys counts, as for a single read
        const char* value = equals + 1;
        entry.assign(value, store::CutAtCharBoundary(value, std::strlen(value), cap - 1));
    }
    return entries;
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
