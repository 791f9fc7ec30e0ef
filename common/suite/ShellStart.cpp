#include "ShellStart.h"

#include <shellapi.h>

#include <cstdio>

bool ShellStart(HWND owner, const char* verb, const char* file, const char* parameters, const char* folder,
                int show) {
    const INT_PTR answer =
        reinterpret_cast<INT_PTR>(::ShellExecuteA(owner, verb, file, parameters, folder, show));
    if (answer > 32) return true;
    char line[400];
    std::snprintf(line, sizeof(line), "The shell did not start \"%s\" (error %ld)\n", file ? file : "",
                  static_cast<long>(answer));
    ::OutputDebugStringA(line);
    return false;
}
