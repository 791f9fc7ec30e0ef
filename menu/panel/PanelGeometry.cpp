#include "PanelGeometry.h"

namespace panel {

POINT PlacePanel(int screenWidth, int screenHeight, const RECT& taskbar) {
    POINT at;
    at.x = screenWidth - kWidth;
    const LONG barWidth = taskbar.right - taskbar.left;
    const LONG barHeight = taskbar.bottom - taskbar.top;
    if (barWidth > barHeight && taskbar.top != 0)
        at.y = (screenHeight - kHeight) / 2;  // C++ division truncates toward zero, as wanted
    else
        at.y = screenHeight - kHeight;
    return at;
}

RECT ButtonRect(int index) {
    RECT r = {0, 0, 0, 0};
    if (index == 0) {
        r = RECT{104, 50, 120, 60};
    } else if (index >= 1 && index <= kItemsPerPage) {
        r = RECT{4, 51 * index + 21, 208, 51 * index + 69};
    } else if (index == kButtonCount - 1) {
        r = RECT{104, 492, 120, 502};
    }
    return r;
}

RECT CloseButtonRect() { return RECT{187, 8, 199, 20}; }

void PanelOutline(POINT (&points)[kOutlinePoints]) {
    static const POINT kOutline[kOutlinePoints] = {
        {0, 2},   {1, 2},   {1, 1},   {2, 1},   {2, 0},     {210, 0},
        {210, 1}, {211, 1}, {211, 2}, {212, 2}, {212, 561}, {0, 561},
    };
    for (int i = 0; i < kOutlinePoints; ++i) points[i] = kOutline[i];
}

int HitTestButtons(const RECT (&rects)[kButtonCount], POINT clientPoint) {
    for (int i = 0; i < kButtonCount; ++i) {
        if (::PtInRect(&rects[i], clientPoint)) return i;
    }
    return kNoButton;
}

bool PointerSpot(const RECT (&rects)[kButtonCount], int index, POINT* clientPoint) {
    if (index < 0 || index >= kButtonCount || !clientPoint) return false;
    clientPoint->x = rects[index].left + 1;
    clientPoint->y = rects[index].top + 1;
    return true;
}

}  // namespace panel
