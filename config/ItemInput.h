#pragma once
// The rules for what the item editor accepts. A display name becomes a registry key name and a
// label the panel finds its item by; a path must fit the buffers the panel reads it back into.
// Texts are ANSI in the system code page, measured in bytes (a Korean character takes two) and
// never cut: what does not fit is refused.
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

// The longest display name, in bytes: 16 Latin or 8 Korean characters.
constexpr std::size_t kMaxNameBytes = 16;
// The longest path, in bytes: what a 260-byte buffer holds with its terminator.
constexpr std::size_t kMaxPathBytes = 259;

enum class ItemInputVerdict {
    Accepted,
    NameTooLong,       // over kMaxNameBytes as typed, blanks included
    Empty,             // the name or the path is made of blanks only
    NameHasBackslash,  // a key name with a backslash would reach into another key
    PathTooLong,       // over kMaxPathBytes
    NameTaken,         // another item has that name (see NameClashes)
};

// Whether the character at `text` (one or two bytes in the system code page) is a blank: space,
// tab, line breaks, and the code page's other spaces (the ideographic space of Korean text).
// `*length` receives the character's length in bytes.
bool IsBlankAt(const char* text, std::size_t* length);
// The text without the blanks at both ends.
std::string TrimBlanks(const std::string& text);
// Whether the text holds nothing but blanks (or nothing).
bool IsAllBlank(const std::string& text);
// Whether a backslash is one of the text's characters (not the second byte of a double-byte one).
bool HasBackslash(const std::string& text);

// The fields as typed. `nameTaken` is asked last, with the name trimmed as it would be stored.
ItemInputVerdict CheckItemInput(const std::string& name, const std::string& path,
                                const std::function<bool(const std::string&)>& nameTaken);
// The string that tells the user; 0 for Accepted.
UINT MessageFor(ItemInputVerdict verdict);
