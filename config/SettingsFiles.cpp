#include "SettingsFiles.h"

#include <windows.h>

#include "IndexFile.h"
#include "ProgramFolder.h"
#include "TallysetIds.h"
#include "Text.h"

bool SettingsIndexFilePath(char* out, std::size_t cap) { return GetProgramFilePath(kIndexFileName, out, cap); }

bool TrayProgramPath(std::string* program, std::string* folder) {
    char dir[kTextCap] = {};
    char file[kTextCap] = {};
    if (!GetProgramFolder(dir, sizeof(dir)) || !JoinFolderFile(dir, kTrayProgramFile, file, sizeof(file)))
        return false;
    *program = file;
    *folder = dir;
    return true;
}

bool SiblingExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
