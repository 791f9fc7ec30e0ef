#pragma once
// A subclassed "BUTTON" control: the base of the suite's skinned buttons.
#include "Control.h"

namespace fw {

class PushButton : public Control {
public:
    void SetText(const char* text);
    // Copies at most size-1 bytes and terminates; returns the length copied.
    int GetText(char* buffer, int size) const;
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, bool redraw = true);
    void AddStyle(LONG_PTR bits);
    void Show(bool visible);
    bool IsShown() const;
};

}  // namespace fw
