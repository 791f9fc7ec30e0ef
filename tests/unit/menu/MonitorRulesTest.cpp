// Placement, tile hit test and keys of the display-output dialog.
#include <gtest/gtest.h>

#include "MonitorRules.h"

namespace {

using monitor::KeyAction;
using monitor::kNoTile;

TEST(PlaceDialog, CentredAcrossAndAboveTheMiddle) {
    const struct {
        int width, height;
        POINT expected;
    } cases[] = {
        {1024, 768, {346, 283}},
        {1280, 1024, {474, 411}},
        {800, 600, {234, 199}},
        {1023, 767, {345, 282}},   // odd sizes: halves truncated
        {300, 150, {-16, -26}},    // smaller than the dialog
        {-1, -1, {-166, -101}},    // halving toward zero, not down
    };
    for (const auto& c : cases) {
        const POINT at = monitor::PlaceDialog(c.width, c.height);
        EXPECT_EQ(c.expected.x, at.x) << c.width << "x" << c.height;
        EXPECT_EQ(c.expected.y, at.y) << c.width << "x" << c.height;
    }
}

TEST(HitTestTiles, EdgesGapsAndTheCloseButton) {
    const struct {
        POINT at;
        int expected;
    } cases[] = {
        {{32, 55}, 0},   {{119, 127}, 0},  {{120, 90}, kNoTile},  // right edge excluded, gap before tile 1
        {{124, 55}, 1},  {{210, 127}, 1},  {{211, 90}, kNoTile},  {{216, 55}, 2}, {{302, 127}, 2},
        {{303, 90}, kNoTile}, {{74, 128}, kNoTile},               // the caption strip
        {{74, 54}, kNoTile},  {{310, 14}, kNoTile},               // the close button
        {{74, 88}, 0},   {{167, 88}, 1},   {{259, 88}, 2},        // the anchors
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, monitor::HitTestTiles(c.at)) << c.at.x << "," << c.at.y;
    for (int i = 0; i < monitor::kTileCount; ++i)
        EXPECT_EQ(i, monitor::HitTestTiles(monitor::TileAt(i)->anchor)) << "anchor of tile " << i;
}

TEST(StepForKey, NeverActsOnATileThatDoesNotExist) {
    const struct {
        int selected;
        UINT key;
        KeyAction action;
        int tile;
    } cases[] = {
        {0, VK_DOWN, KeyAction::Select, 1},
        {1, VK_DOWN, KeyAction::Select, 2},
        {2, VK_DOWN, KeyAction::Select, 2},  // stays on the last tile
        {2, VK_UP, KeyAction::Select, 1},
        {0, VK_UP, KeyAction::Select, 0},    // stays on the first tile
        {kNoTile, VK_DOWN, KeyAction::Select, 0},
        {kNoTile, VK_UP, KeyAction::Select, 2},
        {-7, VK_DOWN, KeyAction::Select, 0},  // anything else counts as no tile
        {1, VK_RETURN, KeyAction::Press, 1},
        {2, VK_RETURN, KeyAction::Press, 2},
        {kNoTile, VK_RETURN, KeyAction::Ignore, kNoTile},
        {3, VK_RETURN, KeyAction::Ignore, kNoTile},
        {1, VK_ESCAPE, KeyAction::Close, 1},
        {kNoTile, VK_ESCAPE, KeyAction::Close, kNoTile},
        {1, VK_TAB, KeyAction::Pass, 1},
        {1, VK_LEFT, KeyAction::Pass, 1},
        {1, VK_SPACE, KeyAction::Pass, 1},
    };
    for (const auto& c : cases) {
        const monitor::KeyStep step = monitor::StepForKey(c.selected, c.key);
        EXPECT_EQ(c.action, step.action) << c.selected << " key " << c.key;
        if (c.action != KeyAction::Pass && c.action != KeyAction::Close) {
            EXPECT_EQ(c.tile, step.tile) << c.selected << " key " << c.key;
        }
    }
}

}  // namespace
