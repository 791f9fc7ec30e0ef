#pragma once
// The copy of an item key that a configuration run keeps while it changes the item. The subkey
// "Backup" of the item key holds every value of the item as the run found it, type and bytes
// unchanged, so that Cancel can give the key back exactly as it was; the item's own "TempName"
// and "TempPath" hold only the name and path, and cannot say whether a value was there at all.
//
// A backup belongs to the run under way only while its item carries "Update" = 1 or
// "Delete" = 1: the flag is set before the backup is written and cleared before it is removed,
// so a backup found without them is a remnant and is replaced, never restored.
#include <windows.h>

#include <string>
#include <vector>

namespace store {

constexpr char kBackupKeyName[] = "Backup";

struct RawValue {
    std::wstring name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};
using RawValues = std::vector<RawValue>;

// Every value of `key`, read through the wide functions so that texts keep their bytes in any
// code page.
RawValues ReadRawValues(HKEY key);
bool WriteRawValue(HKEY key, const RawValue& value);

// Whether the item was changed in the run under way: it has a backup and "Update" or "Delete"
// is 1.
bool HasRunBackup(HKEY item);
// Sets `flag` ("Update" or "Delete") to 1; on the item's first change in the run it first keeps
// the item as it is in a new backup. On failure the item is left as it was.
bool BeginChange(HKEY item, const char* flag);
// Gives the item every value of its backup and removes the values the backup lacks, the flags
// and the bookkeeping last; then removes the backup. The backup stays when a write fails.
bool RestoreBackup(HKEY item);
// Keeps what the run changed and drops its bookkeeping: "Update", "TempPath" and "TempName" as
// the backup holds them, then the backup removed. An item flagged "Update" without a backup (a
// run of an older version) gets "Update" 0 and empty backup texts.
bool SettleBookkeeping(HKEY item);
// For the order index rebuild at a program's start: settles an item that a run which ended
// without OK or Cancel left with "Update" or "Delete" set (the rebuild itself clears "Delete").
void SettleLeftoverRun(HKEY item);

// Whether `parent` has a subkey `name` (also when nobody may open it).
bool KeyExists(HKEY parent, const std::string& name);
// Gives the values of item key `from` a new key `to` and removes `from`. Fails with `from`
// untouched when `to` exists already or a step fails. Subkeys are not carried over.
bool MoveItemKey(HKEY parent, const std::string& from, const std::string& to);

}  // namespace store
