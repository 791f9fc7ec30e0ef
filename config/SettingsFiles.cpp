#include "SettingsFiles.h"

#include <windows.h>

#include "IndexFilePath.h"
#include "ProgramFolder.h"
#include "SuiteContract.h"
#include "Text.h"

bool SettingsIndexFilePath(char* out, std::size_t cap) { return GetUserIndexFilePath(out, cap); }

bool TrayProgramPath(std::string* program, std::string* folder) {
    char dir[kTextCap] = {};
    char file[kTextCap] = {};
    if (!GetProgramFolder(dir, sizeof(dir)) || !JoinFolderFile(dir, kTrayProgramFile, file, sizeof(file)))
        return false;
    *program = file;
    *folder = dir;
    return true;
}
