#include "ItemInput.h"

#include "resource.h"

namespace {

std::size_t CharLength(const char* text) {
    return ::IsDBCSLeadByte(static_cast<BYTE>(text[0])) && text[1] ? 2 : 1;
}

}  // namespace

bool IsBlankAt(const char* text, std::size_t* length) {
    const std::size_t n = CharLength(text);
    if (length) *length = n;
    WCHAR wide = 0;
    if (::MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(n), &wide, 1) != 1) return false;
    WORD type = 0;
    if (!::GetStringTypeW(CT_CTYPE1, &wide, 1, &type)) return false;
    return (type & (C1_SPACE | C1_BLANK)) != 0;
}

std::string TrimBlanks(const std::string& text) {
    // Walk by characters: a trail byte must never be taken for a blank of its own.
    std::size_t begin = std::string::npos;
    std::size_t end = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t n = 1;
        const bool blank = IsBlankAt(text.c_str() + at, &n);
        if (!blank) {
            if (begin == std::string::npos) begin = at;
            end = at + n;
        }
        at += n;
    }
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin);
}

bool IsAllBlank(const std::string& text) { return TrimBlanks(text).empty(); }

bool HasBackslash(const std::string& text) {
    for (std::size_t at = 0; at < text.size(); at += CharLength(text.c_str() + at)) {
        if (text[at] == '\\') return true;
    }
    return false;
}

ItemInputVerdict CheckItemInput(const std::string& name, const std::string& path,
                                const std::function<bool(const std::string&)>& nameTaken) {
    if (name.size() > kMaxNameBytes) return ItemInputVerdict::NameTooLong;
    if (IsAllBlank(name) || IsAllBlank(path)) return ItemInputVerdict::Empty;
    if (HasBackslash(name)) return ItemInputVerdict::NameHasBackslash;
    if (path.size() > kMaxPathBytes) return ItemInputVerdict::PathTooLong;
    if (nameTaken && nameTaken(TrimBlanks(name))) return ItemInputVerdict::NameTaken;
    return ItemInputVerdict::Accepted;
}

UINT MessageFor(ItemInputVerdict verdict) {
    switch (verdict) {
        case ItemInputVerdict::Accepted:
            return 0;
        case ItemInputVerdict::NameTooLong:
            return IDS_NAME_TOO_LONG;
        case ItemInputVerdict::Empty:
            return IDS_NAME_OR_PATH_EMPTY;
        case ItemInputVerdict::NameHasBackslash:
            return IDS_NAME_HAS_BACKSLASH;
        case ItemInputVerdict::PathTooLong:
            return IDS_PATH_TOO_LONG;
        case ItemInputVerdict::NameTaken:
            return IDS_NAME_TAKEN;
    }
    return 0;
}
