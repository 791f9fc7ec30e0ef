#pragma once
// The edits of one run of the settings dialog, kept pending in the store until OK or Cancel.
//
// Every edit reaches the registry at once, marked with the flags of the item record: "New" on
// an item added in this run, "Delete" on an item taken off the list, "Update" on an item whose
// name or path changed, with "TempName" and "TempPath" holding them as the run found them. The
// first change to an existing item also copies its key into the subkey "Backup"
// (ItemKeyBackup.h), so that Cancel gives every key back byte for byte. OK writes the list's
// rows, removes the items taken off it, gives renamed items keys named after their new names
// and drops the backups. A run that ends without either is settled by the next order index
// rebuild, at either program's start: additions stay, deletions are undone, edits stay.
//
// Items are addressed by key name, never by display name: a display name need not match its key
// (built-in items, names that were taken or held a backslash), and two items may share one. Each
// list row remembers its key from ListedRows or AddItem; only CommitChanges changes key names.
// An empty key name is refused everywhere, so nothing is ever written into the store key itself.
//
// Failures are shown as "Set Registry Error" and returned as 0; success is 1.
#include <windows.h>

#include <string>
#include <vector>

#include "Handles.h"
#include "MenuItemStore.h"

// What the list shows as the path of a built-in item, and what a commit writes into its "Path".
constexpr char kBuiltInPathText[] = "System";

// One row of the settings list.
struct PendingRow {
    std::string keyName;  // the item's key, remembered with the row
    std::string name;     // column 0: the display name
    std::string path;     // column 1: the path, or the word "System" for a built-in item
    bool checked = false;
    bool system = false;  // a built-in item: the dialog neither edits nor deletes it
};

class CPendingChanges {
public:
    // The store gives the registry root, the store key, the display-name value (names are
    // written under it and an empty text under the other language) and the notifier.
    explicit CPendingChanges(const CMenuItemStore& store) : store_(store) {}

    // The listed items in the order of the index file's section "Order" (rebuilt just before),
    // as the dialog shows them.
    std::vector<PendingRow> ListedRows(const char* indexFilePath) const;

    // A new item at list position `order` (1-based), in a key of its own named after it (or a
    // variant of that name when it is taken); its key name goes to `*keyName`. "Check" stays 0
    // until the commit writes the row's box.
    int AddItem(const char* name, const char* path, DWORD order, std::string* keyName) const;
    // New name and path for the item of `keyName`; a rename too, as the key keeps its name
    // until the commit. "Check", "Order" and the built-in values are left alone.
    int UpdateItem(const char* keyName, const char* name, const char* path) const;
    // The row was taken off the list: the item is marked, or removed at once when it was added
    // in this run (nothing would have to come back).
    int MarkItemDeleted(const char* keyName) const;
    // Removes the item key with all it holds, now. 1 also when the key is gone already.
    int DeleteItemKey(const char* keyName) const;

    // OK: the store takes exactly the rows, in their order. Every key is looked at, and every
    // row's key opened, before anything is written, so a key that cannot be opened stops the
    // commit with the store untouched. Then the rows are saved, the items taken off the list
    // removed, the backups dropped and renamed items moved to keys named after their new names
    // (the rows' key names follow).
    int CommitChanges(std::vector<PendingRow>* rows) const;
    // Cancel: every item key as the run found it; items added in the run removed. Goes on past
    // a key that fails and reports it at the end.
    int RollbackChanges() const;

private:
    struct Move;

    HKEY Root() const { return store_.Settings().userRoot; }
    const char* OtherValueName() const;
    int Fail() const;
    bool StoreExists() const;
    // The item key, which must exist; refuses names that are empty or address a nested key.
    fw::RegKey OpenItem(const std::string& keyName, REGSAM access) const;
    fw::RegKey OpenStore(REGSAM access) const;
    bool WriteName(HKEY item, const char* name) const;
    bool WriteRow(HKEY item, const char* name, const char* path, DWORD order, bool checked) const;
    bool Rehome(HKEY storeKey, std::vector<Move>* moves) const;

    const CMenuItemStore& store_;
};
