#pragma once
// Texts of a module's string table. The platform picks the table of the user interface language;
// the explicit-language loaders read the English or Korean table regardless of it.
#include <windows.h>

#include <cstddef>
#include <string>

// String `id` of `module` (null: the program) in the user interface language, in the ANSI code
// page, cut to fit `cap`. Returns its length in bytes; 0 and an empty `out` when it is missing.
int LoadText(UINT id, char* out, std::size_t cap, HMODULE module = nullptr);
// The same, whole. Empty when missing.
std::string LoadText(UINT id, HMODULE module = nullptr);

// String `id` of the table whose primary language is that of `language` (LANG_ENGLISH,
// LANG_KOREAN, ...), converted to `codePage`. Empty when that table or that entry is missing.
std::string LoadTextForLanguage(UINT id, LANGID language, UINT codePage = CP_ACP, HMODULE module = nullptr);

// Locates entry `index` (0..15) of a string table block: the block is a run of 16 entries, each a
// 16-bit length and that many UTF-16 units. False when the block ends before the entry does.
bool FindStringInBlock(const void* block, std::size_t blockSize, unsigned index, const WCHAR** text,
                       std::size_t* length);
