#pragma once
// Item stores made up for checking and measuring the order index rebuild: random key names,
// "Order" values with gaps, duplicates, zeros, numbers out of range and values of the wrong type,
// "New"/"Delete" set, clear or missing, and optionally one item key that nobody may open.
#include <windows.h>

#include <string>

struct RandomStoreOptions {
    DWORD keys = 100;
    unsigned seed = 1;
    // true: "Order" is a shuffled 1..N, as the settings dialog leaves it; false: anything goes.
    bool healthy = false;
    // Make the item key at this enumeration position unopenable (MAXDWORD: none).
    DWORD deniedIndex = MAXDWORD;
};

// Replaces whatever is under root\keyPath by a store made from `options`. Returns the name of the
// denied key, or empty.
std::string BuildRandomStore(HKEY root, const std::string& keyPath, const RandomStoreOptions& options);

// A DACL that denies everyone everything / that allows everyone everything (to clean up).
bool DenyKeyAccess(HKEY root, const std::string& path);
bool AllowKeyAccess(HKEY root, const std::string& path);

// Every item key in enumeration order with the raw type and data of its "Order", "New" and
// "Delete" values; two stores with equal snapshots hold the same values there.
std::string SnapshotStore(HKEY root, const std::string& keyPath);

// The whole file, or "<missing>".
std::string ReadFileBytes(const std::string& path);

// Removes root\path with everything under it, opening denied keys first.
void DeleteTree(HKEY root, const std::string& path);
