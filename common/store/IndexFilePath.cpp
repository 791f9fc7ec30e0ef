#include "IndexFilePath.h"

#include <windows.h>
#include <shlobj.h>

#include "IndexFile.h"
#include "ProgramFolder.h"
#include "Text.h"

namespace {

// Below the user's local application data folder, one level at a time.
const char* const kIndexFolders[] = {"Brevant", "Corvela"};

bool IsFolder(const char* path) {
    const DWORD attributes = ::GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool GetUserIndexFilePath(char* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    out[0] = '\0';
    char folder[MAX_PATH];
    TextZero(folder);
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                  SHGFP_TYPE_CURRENT, folder)) ||
        !folder[0])
        return false;
    for (const char* name : kIndexFolders) {
        char next[MAX_PATH];
        if (!JoinFolderFile(folder, name, next, sizeof(next))) return false;
        // Made by now, by us or by another program of the suite at the same moment, or not at all.
        if (!::CreateDirectoryA(next, nullptr) && !IsFolder(next)) return false;
        TextCopy(folder, next);
    }
    return JoinFolderFile(folder, kIndexFileName, out, cap);
}
