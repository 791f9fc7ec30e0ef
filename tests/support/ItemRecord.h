#pragma once
// One menu item as the tests write a store with it and read a store back into it: every value of
// its item key. The programs themselves never handle an item whole.
#include <windows.h>

#include <string>

#include "MenuItemStore.h"

struct MenuItemRecord {
    std::string englishName;  // "0x409"
    std::string koreanName;   // "0x412"
    std::string path;         // "Path"
    DWORD order = 0;          // 1-based position; 0: not listed
    DWORD check = 0;          // 1: shown on the panel
    DWORD system = 0;         // 1: built-in, run by systemCmd
    DWORD systemCmd = 0;
    DWORD isNew = 0;  // pending flags of a configuration run
    DWORD isDeleted = 0;
    DWORD isUpdated = 0;
    std::string tempPath;  // values before a pending edit
    std::string tempName;

    bool operator==(const MenuItemRecord& o) const;
    bool operator!=(const MenuItemRecord& o) const { return !(*this == o); }
};

// All values of item `keyName` of `store`; missing values read as 0 / empty. False when the key
// cannot be opened.
bool ReadItem(const CMenuItemStore& store, const char* keyName, MenuItemRecord* record);
// Every value of `record` into the item key, made when missing (texts without terminators, as the
// store writes them).
bool WriteItem(const CMenuItemStore& store, const char* keyName, const MenuItemRecord& record);
