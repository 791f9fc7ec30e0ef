#pragma once
// Starts a program or opens a document through the shell (ShellExecuteA), as the suite starts its
// siblings, the maker's programs and the user's items. The shell's answer is always looked at: a
// start that did not happen is traced for a debugger with the file and the shell's error.
#include <windows.h>

// True when the shell started `file` (its answer is above 32). `verb`, `parameters` and `folder`
// may be null.
bool ShellStart(HWND owner, const char* verb, const char* file, const char* parameters, const char* folder,
                int show);
