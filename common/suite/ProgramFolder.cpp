#include "ProgramFolder.h"

#include <windows.h>

#include <cstring>

#include "Handles.h"
#include "Text.h"

// A byte search for '\\' is safe in the code pages the suite runs in: no trail byte of a double-byte
// character in code page 949 has the value 0x5C.
bool FolderOfPath(const char* path, char* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    out[0] = '\0';
    if (!path) return true;
    const char* cut = std::strrchr(path, '\\');
    if (!cut) return true;
    std::size_t n = static_cast<std::size_t>(cut - path);
    if (n >= cap) return false;
    std::memcpy(out, path, n);
    out[n] = '\0';
    return true;
}

bool GetProgramFolder(char* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    out[0] = '\0';
    char module[kTextCap];
    TextZero(module);
    DWORD n = ::GetModuleFileNameA(nullptr, module, sizeof(module));
    // On XP a name that fills the buffer comes back cut and unterminated.
    if (n == 0 || n >= sizeof(module)) return false;
    module[n] = '\0';
    return FolderOfPath(module, out, cap);
}

bool JoinFolderFile(const char* folder, const char* fileName, char* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    if (!TextFormat(out, cap, "%s\\%s", folder ? folder : "", fileName ? fileName : "")) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool GetProgramFilePath(const char* fileName, char* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    out[0] = '\0';
    char folder[kTextCap];
    TextZero(folder);
    if (!GetProgramFolder(folder, sizeof(folder))) return false;
    return JoinFolderFile(folder, fileName, out, cap);
}

bool FileExists(const char* path) {
    if (!path || !*path) return false;
    WIN32_FIND_DATAA data;
    fw::FindHandle found(::FindFirstFileA(path, &data));
    return found.Valid();
}
