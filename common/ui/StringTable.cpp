#include "StringTable.h"

#include <memory>
#include <new>

namespace {

constexpr unsigned kEntriesPerBlock = 16;

HMODULE ModuleOrProgram(HMODULE module) { return module ? module : ::GetModuleHandleA(nullptr); }

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

std::string Narrow(const WCHAR* text, std::size_t length, UINT codePage) {
    if (length == 0) return std::string();
    int wide = static_cast<int>(length);
    int n = ::WideCharToMultiByte(codePage, 0, text, wide, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<std::size_t>(n), '\0');
    if (::WideCharToMultiByte(codePage, 0, text, wide, &out[0], n, nullptr, nullptr) != n)
        return std::string();
    return out;
}

}  // namespace

int LoadText(UINT id, char* out, std::size_t cap, HMODULE module) {
    if (!out || cap == 0) return 0;
    out[0] = '\0';
    int room = cap > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(cap);
    int n = ::LoadStringA(ModuleOrProgram(module), id, out, room);
    if (n <= 0) {
        out[0] = '\0';
        return 0;
    }
    out[cap - 1] = '\0';
    return n;
}

std::string LoadText(UINT id, HMODULE module) {
    // LoadStringA cannot say how long a text is; grow until it comes back with room to spare.
    for (std::size_t cap = 512; cap <= 0x40000; cap *= 2) {
        std::unique_ptr<char[]> buffer(new (std::nothrow) char[cap]);
        if (!buffer) return std::string();
        int n = LoadText(id, buffer.get(), cap, module);
        if (n <= 0) return std::string();
        if (static_cast<std::size_t>(n) < cap - 1)
            return std::string(buffer.get(), static_cast<std::size_t>(n));
    }
    return std::string();
}

bool FindStringInBlock(const void* block, std::size_t blockSize, unsigned index, const WCHAR** text,
                       std::size_t* length) {
    if (!block || !text || !length || index >= kEntriesPerBlock) return false;
    const auto* units = static_cast<const WCHAR*>(block);
    std::size_t count = blockSize / sizeof(WCHAR);
    std::size_t pos = 0;
    for (unsigned i = 0;; ++i) {
        if (pos >= count) return false;
        std::size_t len = units[pos++];
        if (len > count - pos) return false;
        if (i == index) {
            *text = units + pos;
            *length = len;
            return true;
        }
        pos += len;
    }
}

std::string LoadTextForLanguage(UINT id, LANGID language, UINT codePage, HMODULE module) {
    module = ModuleOrProgram(module);
    if (id > 0xFFFF) return std::string();
    // Strings are stored sixteen to a resource, named by (id / 16) + 1.
    LPCSTR blockName = MAKEINTRESOURCEA((id / kEntriesPerBlock) + 1);
    // FindResourceEx falls back to other languages; ask only for a table that exists.
    LanguageSearch search{PRIMARYLANGID(language), 0, false};
    ::EnumResourceLanguagesA(module, RT_STRING, blockName, MatchLanguage,
                             reinterpret_cast<LONG_PTR>(&search));
    if (!search.matched) return std::string();
    HRSRC info = ::FindResourceExA(module, RT_STRING, blockName, search.found);
    if (!info) return std::string();
    HGLOBAL res = ::LoadResource(module, info);
    const void* data = res ? ::LockResource(res) : nullptr;
    if (!data) return std::string();
    const WCHAR* text = nullptr;
    std::size_t length = 0;
    if (!FindStringInBlock(data, ::SizeofResource(module, info), id % kEntriesPerBlock, &text, &length))
        return std::string();
    return Narrow(text, length, codePage);
}
