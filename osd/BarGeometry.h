#pragma once
// The bar's fixed geometry: its size, where it stands, its outline with the cut corners and where
// the level segments go. Plain functions: the window calls them, the tests call them directly.
#include <windows.h>

namespace bar {

constexpr int kWidth = 410;
constexpr int kHeight = 55;

// Level segment i is copied to (kFirstSegmentX + kSegmentPitch * i, kSegmentY), kSegmentWidth x
// kSegmentHeight of the 31 x 14 segment picture.
constexpr int kFirstSegmentX = 101;
constexpr int kSegmentPitch = 31;
constexpr int kSegmentY = 21;
constexpr int kSegmentWidth = 30;
constexpr int kSegmentHeight = 14;

// Bottom centre of a screen of `screenWidth` x `screenHeight`, 115 pixels above its lower edge
// (clear of a task bar of the usual height); integer division, as the bar has always done.
POINT PlaceBar(int screenWidth, int screenHeight);

// Client rectangle of level segment `index` (0-based); it may lie beyond the bar's right edge.
RECT SegmentRect(int index);

// The outline of the window region for `width` x `height`, filled with the winding rule: a
// rectangle whose four corners are cut in steps 6 pixels deep. The last point repeats the first.
constexpr int kOutlinePoints = 45;
void BarOutline(int width, int height, POINT (&points)[kOutlinePoints]);

}  // namespace bar
