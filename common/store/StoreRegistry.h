#pragma once
// Registry access of the menu item store: keys by path under a root, and values read strictly
// (a number is exactly a 4-byte REG_DWORD, a text a REG_SZ) so that a value of the wrong type or
// size reads as missing instead of as stray bytes.
#include <windows.h>

#include <cstddef>
#include <string>

#include "Handles.h"

namespace store {

// No walk over the item keys looks at more than this many of them.
constexpr DWORD kMaxItemKeys = 10000;

// Texts larger than this are not read at all (they count as missing); anything up to it is read
// and cut to the caller's buffer.
constexpr DWORD kMaxTextValueBytes = 1u << 20;

fw::RegKey OpenKey(HKEY root, const std::string& path, REGSAM access);
// Opens the key or, when it does not exist yet, creates it (with its missing parents).
fw::RegKey OpenOrCreateKey(HKEY root, const std::string& path, REGSAM access);

// True only for a REG_DWORD of 4 bytes; `*value` is 0 otherwise.
bool QueryDword(HKEY key, const char* name, DWORD* value);
// `out` is zero-filled, then receives the text of a REG_SZ/REG_EXPAND_SZ value (unexpanded), cut
// to cap - 1 bytes at a character boundary of the ANSI code page. A text stored with or without its
// terminating zero reads the same. False (and `out` empty) for any other type or a missing value.
bool QueryText(HKEY key, const char* name, char* out, std::size_t cap);

bool SetDword(HKEY key, const char* name, DWORD value);
// REG_SZ with a data length of `length` bytes and no terminator, as the suite has always
// written its texts. `length` is clamped to the text's own length.
bool SetText(HKEY key, const char* name, const char* text, DWORD length);

// Name of subkey `index`. Returns the registry's result: ERROR_SUCCESS, ERROR_NO_MORE_ITEMS, or
// ERROR_MORE_DATA for a name that does not fit `cap` (then `name` is empty).
LONG EnumSubkey(HKEY key, DWORD index, char* name, std::size_t cap);

// Number of subkeys, counted by index until the enumeration ends or `limit` is reached. A subkey
// whose name is too long for the suite's buffers still counts: it exists, and undercounting
// would make a healthy store look damaged.
DWORD CountSubkeys(HKEY key, DWORD limit = kMaxItemKeys);

// The byte length of the longest prefix of `text` (of `length` bytes) that fits `maxBytes`
// without splitting a double-byte character of the ANSI code page.
std::size_t CutAtCharBoundary(const char* text, std::size_t length, std::size_t maxBytes);

}  // namespace store
