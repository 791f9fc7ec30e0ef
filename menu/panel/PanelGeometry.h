#pragma once
// The panel's fixed geometry and the rules that place it, shape it and find the button under a
// point. Plain functions: the window calls them, the tests call them directly.
#include <windows.h>

#include "PanelControls.h"

namespace panel {

constexpr int kWidth = 212;
constexpr int kHeight = 561;

// HitTestButtons' answer when no button holds the point.
constexpr int kNoButton = 1000;

// Where the panel goes on a screen of `screenWidth` x `screenHeight` with the task bar at
// `taskbar` (all zero when there is none): always at the right edge; vertically centred when the
// task bar lies along the bottom (or anywhere but the top edge, as long as it is horizontal),
// otherwise flush with the bottom of the screen.
POINT PlacePanel(int screenWidth, int screenHeight, const RECT& taskbar);

// Client rectangle of control 2000 + `index` (0 to 9); an empty rectangle outside that range.
RECT ButtonRect(int index);
RECT CloseButtonRect();

// The outline of the window region, filled with the winding rule: the two upper corners are cut
// in two one-pixel steps, the lower ones are square.
constexpr int kOutlinePoints = 12;
void PanelOutline(POINT (&points)[kOutlinePoints]);

// Index 0 to 9 of the first rectangle (in order) that holds `clientPoint`, or kNoButton.
int HitTestButtons(const RECT (&rects)[kButtonCount], POINT clientPoint);

// The client point at which the pointer rests on button `index` (one pixel inside its top-left
// corner). False when `index` names no button.
bool PointerSpot(const RECT (&rects)[kButtonCount], int index, POINT* clientPoint);

}  // namespace panel
