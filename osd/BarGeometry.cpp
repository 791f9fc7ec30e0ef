#include "BarGeometry.h"

namespace bar {

POINT PlaceBar(int screenWidth, int screenHeight) {
    return POINT{screenWidth / 2 - kWidth / 2, screenHeight - 115};
}

RECT SegmentRect(int index) {
    const int left = kFirstSegmentX + kSegmentPitch * index;
    return RECT{left, kSegmentY, left + kSegmentWidth, kSegmentY + kSegmentHeight};
}

void BarOutline(int w, int h, POINT (&p)[kOutlinePoints]) {
    // Clockwise from the left edge below the upper left corner; each corner steps 1, 2, 3, 4, 6.
    const POINT outline[kOutlinePoints] = {
        {0, 6},         {1, 6},         {1, 4},         {2, 4},         {2, 3},         {3, 3},
        {3, 2},         {4, 2},         {4, 1},         {6, 1},         {6, 0},         {w - 6, 0},
        {w - 6, 1},     {w - 4, 1},     {w - 4, 2},     {w - 3, 2},     {w - 3, 3},     {w - 2, 3},
        {w - 2, 4},     {w - 1, 4},     {w - 1, 6},     {w, 6},         {w, h - 6},     {w - 1, h - 6},
        {w - 1, h - 4}, {w - 2, h - 4}, {w - 2, h - 3}, {w - 3, h - 3}, {w - 3, h - 2}, {w - 4, h - 2},
        {w - 4, h - 1}, {w - 6, h - 1}, {w - 6, h},     {6, h},         {6, h - 1},     {4, h - 1},
        {4, h - 2},     {3, h - 2},     {3, h - 3},     {2, h - 3},     {2, h - 4},     {1, h - 4},
        {1, h - 6},     {0, h - 6},     {0, 6},
    };
    for (int i = 0; i < kOutlinePoints; ++i) p[i] = outline[i];
}

}  // namespace bar
