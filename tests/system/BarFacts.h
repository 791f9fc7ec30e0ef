#pragma once
// What every system test knows of Lumivox's brightness bar on the 1024 x 768 desktop: its title,
// where it stands, and how many level segments the screen shows (Wine draws the layered bar
// opaque, so its pixels are the bitmaps' own).
#include <windows.h>

#include "ScreenCapture.h"
#include "SimState.h"
#include "SuiteHarness.h"

namespace suite::bar {

using ::kBarTitle;
inline constexpr RECT kPlaced = {307, 653, 717, 708};
// Slots whose middle lies inside the bar: eight, and two more for firmware levels above 8.
inline constexpr int kVisibleSlots = 10;

// A lit segment is the orange of the segment picture; an empty slot and the glass around the key
// hint are dark blue-grey.
inline bool Lit(const Pixels& shot, int slot) {
    const BYTE* p = shot.At(101 + 31 * slot + 15, 21 + 7);
    return p[2] > 200 && p[1] > 100 && p[0] < 100;
}

// Lit segments on the screen from the left, or -1 when the bar is not fully on the screen or a
// lit segment follows an empty slot.
inline int ShownSegments() {
    const Pixels shot = CaptureScreen(&kPlaced);
    if (shot.width != kPlaced.right - kPlaced.left || shot.height != kPlaced.bottom - kPlaced.top) return -1;
    int lit = 0;
    while (lit < kVisibleSlots && Lit(shot, lit)) ++lit;
    for (int slot = lit; slot < kVisibleSlots; ++slot)
        if (Lit(shot, slot)) return -1;
    return lit;
}

// Waits until `bar` stands at its place and shows `segments` segments.
inline bool WaitShown(HWND bar, int segments, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            RECT r = WindowRect(bar);
            return ::EqualRect(&r, &kPlaced) && ::IsWindowVisible(bar) && ShownSegments() == segments;
        },
        timeoutMs);
}

}  // namespace suite::bar
