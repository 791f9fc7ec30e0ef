#include "MonitorRules.h"

#include "picture_ids.h"

namespace monitor {
namespace {

const Tile kTiles[kTileCount] = {
    {IDC_MONITOR_INTERNAL,
     {32, 55},
     {32, 55, 120, 128},
     {74, 88},
     {IDB_TILE_INTERNAL, IDB_TILE_INTERNAL_HOVER, IDB_TILE_INTERNAL_PRESSED, IDB_TILE_INTERNAL_TOGGLED},
     0x10000},
    {IDC_MONITOR_EXTERNAL,
     {124, 55},
     {124, 55, 211, 128},
     {167, 88},
     {IDB_TILE_EXTERNAL, IDB_TILE_EXTERNAL_HOVER, IDB_TILE_EXTERNAL_PRESSED, IDB_TILE_EXTERNAL_TOGGLED},
     0x20000},
    {IDC_MONITOR_BOTH,
     {216, 55},
     {216, 55, 303, 128},
     {259, 88},
     {IDB_TILE_BOTH, IDB_TILE_BOTH_HOVER, IDB_TILE_BOTH_PRESSED, IDB_TILE_BOTH_TOGGLED},
     0x30000},
};

// Code page 949: "노트북모니터", "외부모니터", "동시 출력". Drawn only under the Korean system
// locale, whose code page this is.
const Caption kKoreanCaptions[kTileCount] = {
    {"\xb3\xeb\xc6\xae\xba\xcf\xb8\xf0\xb4\xcf\xc5\xcd", 37},
    {"\xbf\xdc\xba\xce\xb8\xf0\xb4\xcf\xc5\xcd", 139},
    {"\xb5\xbf\xbd\xc3 \xc3\xe2\xb7\xc2", 236},
};
const Caption kEnglishCaptions[kTileCount] = {{"Internal", 48}, {"External", 142}, {"Int/Ext", 235}};

}  // namespace

const Tile* TileAt(int index) { return IsTile(index) ? &kTiles[index] : nullptr; }

POINT PlaceDialog(int screenWidth, int screenHeight) {
    return POINT{screenWidth / 2 - kWidth / 2, screenHeight / 2 - 101};
}

int HitTestTiles(POINT clientPoint) {
    for (int i = 0; i < kTileCount; ++i) {
        if (::PtInRect(&kTiles[i].hit, clientPoint)) return i;
    }
    return kNoTile;
}

KeyStep StepForKey(int selectedTile, UINT key) {
    const bool onTile = IsTile(selectedTile);
    switch (key) {
        case VK_DOWN:
            if (!onTile) return {KeyAction::Select, 0};
            return {KeyAction::Select, selectedTile < kTileCount - 1 ? selectedTile + 1 : selectedTile};
        case VK_UP:
            if (!onTile) return {KeyAction::Select, kTileCount - 1};
            return {KeyAction::Select, selectedTile > 0 ? selectedTile - 1 : selectedTile};
        case VK_RETURN:
            if (!onTile) return {KeyAction::Ignore, kNoTile};
            return {KeyAction::Press, selectedTile};
        case VK_ESCAPE:
            return {KeyAction::Close, selectedTile};
        default:
            return {KeyAction::Pass, selectedTile};
    }
}

const Caption* Captions(bool koreanSystemLocale) { return koreanSystemLocale ? kKoreanCaptions : kEnglishCaptions; }

}  // namespace monitor
