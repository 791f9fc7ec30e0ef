#pragma once
// Registry access as the tests set up and look at the suite's keys: under HKEY_CURRENT_USER unless
// another root is given, keys made as needed, values read strictly.
#include <windows.h>

#include <string>

namespace suite {

bool SetDword(const char* keyPath, const char* name, DWORD value, HKEY root = HKEY_CURRENT_USER);
// A REG_SZ with its terminator.
bool SetString(const char* keyPath, const char* name, const char* value, HKEY root = HKEY_CURRENT_USER);
bool ReadDword(const char* keyPath, const char* name, DWORD* value, HKEY root = HKEY_CURRENT_USER);
// The number, or `fallback` when it is missing or not a REG_DWORD.
DWORD ReadDwordOr(const char* keyPath, const char* name, DWORD fallback, HKEY root = HKEY_CURRENT_USER);
void DeleteTree(const char* keyPath, HKEY root = HKEY_CURRENT_USER);
bool KeyExists(const char* keyPath, HKEY root = HKEY_CURRENT_USER);
// Number of subkeys of the key; -1 when it cannot be opened.
int CountSubkeys(const char* keyPath, HKEY root = HKEY_CURRENT_USER);
// A text value read as UTF-16 (Korean names intact in any locale); empty when missing.
std::wstring ReadTextW(const char* keyPath, const char* name, HKEY root = HKEY_CURRENT_USER);
// The same in this process's ANSI code page (as the programs read it).
std::string ReadText(const char* keyPath, const char* name, HKEY root = HKEY_CURRENT_USER);

}  // namespace suite
