#pragma once
// The string table of one language of a module, whatever the user interface language: the tests
// read the Korean texts of a program under an English locale and the other way round.
#include <windows.h>

#include <string>

namespace suite {

// String `id` of the table whose primary language is that of `language` (LANG_ENGLISH,
// LANG_KOREAN, ...), converted to `codePage`. Empty when that table or that entry is missing: no
// fallback to another language.
std::string LoadTextForLanguage(UINT id, LANGID language, UINT codePage = CP_ACP, HMODULE module = nullptr);

}  // namespace suite
