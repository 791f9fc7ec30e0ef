#pragma once
// Texts of a module's string table, in the table of the user interface language the platform
// picks.
#include <windows.h>

#include <cstddef>
#include <string>

// String `id` of `module` (null: the program) in the user interface language, in the ANSI code
// page, cut to fit `cap`. Returns its length in bytes; 0 and an empty `out` when it is missing.
int LoadText(UINT id, char* out, std::size_t cap, HMODULE module = nullptr);
// The same, whole. Empty when missing.
std::string LoadText(UINT id, HMODULE module = nullptr);
