#pragma once
// Which button the Up and Down keys select on the panel. Plain functions over the panel's page
// state, so that the rules can be checked without a window.

namespace panel {

struct KeyNavState {
    int selectedId;     // 2000 (UP arrow) to 2009 (DOWN arrow); 2010 after a page up
    bool upShown;       // the UP arrow is shown
    bool downShown;     // the DOWN arrow is shown
    int lastPageCount;  // list positions from this page's start to the list's end (0: not limited)
    int count;          // checked items in the list
};

struct KeyNavResult {
    bool moved;      // false: the key does nothing at this edge
    int selectedId;  // the selection afterwards (unchanged when !moved)
};

KeyNavResult NavigateDown(const KeyNavState& state);
KeyNavResult NavigateUp(const KeyNavState& state);

}  // namespace panel
