#include "LanguageTable.h"

#include "Encoding.h"

namespace suite {
namespace {

constexpr unsigned kEntriesPerBlock = 16;

struct LanguageSearch {
    WORD primary;
    WORD found;
    bool matched;
};

BOOL CALLBACK MatchLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR param) {
    auto* search = reinterpret_cast<LanguageSearch*>(param);
    if (PRIMARYLANGID(language) != search->primary) return TRUE;
    search->found = language;
    search->matched = true;
    return FALSE;
}

// Entry `index` of a block of 16, each a 16-bit length and that many UTF-16 units; empty when the
// block ends before the entry does.
std::wstring EntryOfBlock(const void* block, std::size_t blockSize, unsigned index) {
    const auto* units = static_cast<const WCHAR*>(block);
    const std::size_t count = blockSize / sizeof(WCHAR);
    std::size_t pos = 0;
    for (unsigned i = 0; pos < count; ++i) {
        const std::size_t length = units[pos++];
        if (length > count - pos) break;
        if (i == index) return std::wstring(units + pos, length);
        pos += length;
    }
    return std::wstring();
}

}  // namespace

std::string LoadTextForLanguage(UINT id, LANGID language, UINT codePage, HMODULE module) {
    if (!module) module = ::GetModuleHandleA(nullptr);
    if (id > 0xFFFF) return std::string();
    // Strings are stored sixteen to a resource, named by (id / 16) + 1.
    LPCSTR blockName = MAKEINTRESOURCEA((id / kEntriesPerBlock) + 1);
    // FindResourceEx falls back to other languages; ask only for a table that exists.
    LanguageSearch search{PRIMARYLANGID(language), 0, false};
    ::EnumResourceLanguagesA(module, RT_STRING, blockName, MatchLanguage,
                             reinterpret_cast<LONG_PTR>(&search));
    if (!search.matched) return std::string();
    HRSRC info = ::FindResourceExA(module, RT_STRING, blockName, search.found);
    HGLOBAL res = info ? ::LoadResource(module, info) : nullptr;
    const void* data = res ? ::LockResource(res) : nullptr;
    if (!data) return std::string();
    return ToCodePage(EntryOfBlock(data, ::SizeofResource(module, info), id % kEntriesPerBlock), codePage);
}

}  // namespace suite
