#pragma once
// The display-output dialog's fixed geometry and its rules: where it goes, where its tiles are,
// which tile lies under a point, what a key does to the selection, and the word each tile sends
// to the firmware. Plain functions: the dialog calls them, the tests call them directly.
#include <windows.h>

#include "resource.h"

namespace monitor {

constexpr int kWidth = 332;
constexpr int kHeight = 165;
constexpr int kTileCount = 3;
// The selection when the pointer is over no tile (the close button, for instance).
constexpr int kNoTile = 1000;

struct Tile {
    int id;                   // control id, also the command the tile gives
    POINT at;                 // client position of the button
    RECT hit;                 // client rectangle tested for the pointer
    POINT anchor;             // where the keys put the pointer
    UINT pictures[4];         // normal, hover, pressed, toggled
    ULONG outputWord;         // what the firmware's display-output method is given
};
// Tile 0 internal panel, 1 external monitor, 2 both; null for any other index.
const Tile* TileAt(int index);
inline bool IsTile(int index) { return index >= 0 && index < kTileCount; }

constexpr int kCloseId = IDC_MONITOR_CLOSE;
constexpr POINT kCloseAt = {302, 6};

// Where the dialog goes on a screen of `screenWidth` x `screenHeight`: centred across, and a little
// above the middle (101 pixels above it, not half the dialog's height).
POINT PlaceDialog(int screenWidth, int screenHeight);

// Index of the first tile (in order) whose hit rectangle holds `clientPoint`, or kNoTile.
int HitTestTiles(POINT clientPoint);

enum class KeyAction {
    Pass,    // not the dialog's key: the dialog manager has it
    Select,  // focus `tile` and put the pointer on its anchor
    Press,   // give `tile`'s command, as a click would
    Ignore,  // the dialog's key, with nothing to act on
    Close,   // the close action (the dialog manager sees the key as well)
};
struct KeyStep {
    KeyAction action;
    int tile;
};
// What `key` does with `selectedTile` selected. Down and Up stop at the last and first tile; from
// no tile, Down selects the first and Up the last. Enter presses the selected tile, and nothing
// when no tile is selected.
KeyStep StepForKey(int selectedTile, UINT key);

// A tile caption: the text (in the system code page of its locale) and its left edge; all sit at
// the same height.
struct Caption {
    const char* text;
    int x;
};
constexpr int kCaptionY = 134;
// The three captions, in tile order, for the Korean system locale or any other.
const Caption* Captions(bool koreanSystemLocale);

}  // namespace monitor
