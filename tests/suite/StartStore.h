#pragma once
// Stores made up for one start of the panel each, from a seed: from 0 to 12000 item keys whose
// names use every byte a key name may hold; healthy items (every value of the record with its
// right type) beside damaged ones (values of every registry type and of any size, up to over a
// megabyte, or missing; leftover flags and backups of an unfinished settings run) and bare keys;
// the tray setting in a wrong type; sometimes one item key nobody may open; and an index file
// left behind damaged (garbage, forged counts, an endless line, UTF-16), or a folder in its place.
//
// The healthy items are what the panel's start must keep byte for byte whenever the store holds
// 10 item keys or more (fewer make a damaged store, which the panel replaces by the defaults).
#include <windows.h>

#include <string>
#include <vector>

namespace suite::endurance {

enum class IndexDamage { None, Garbage, ForgedCounts, EndlessLine, Utf16, Folder };

struct StartStore {
    unsigned seed = 0;
    int keys = 0;                      // item keys the store holds
    std::vector<std::string> healthy;  // key names (ANSI) of the healthy items
    std::string denied;                // key name of the item key nobody may open, or empty
    IndexDamage damage = IndexDamage::None;

    std::string Describe() const;
};

// How many item keys the store of round `round` (1-based) gets: the edges first (0, 12000, 9, 10),
// then mostly small stores, some of thousands.
int KeyCountForRound(int round, unsigned seed);
// Writes the store under HKEY_CURRENT_USER\Software\Brevant\Corvela (replacing what is there) and
// the damaged index file at `indexFile`.
StartStore WriteStartStore(unsigned seed, int keys, const std::string& indexFile);
// Removes the store (opening a denied key first) and the index file, or the folder in its place.
void RemoveStartStore(const StartStore& store, const std::string& indexFile);

const char* DamageName(IndexDamage damage);

}  // namespace suite::endurance
