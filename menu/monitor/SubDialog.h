#pragma once
// A dialog that the panel runs modally while it hides itself (the display-output dialog). While
// one runs, the keys are the dialog's; a close that reaches the panel meanwhile (a second start,
// UWM_PANEL_CLOSE, the settings program) ends the dialog through Close, and the panel does not
// show itself again.
#include <windows.h>

class ISubDialog {
public:
    virtual ~ISubDialog() = default;
    // Runs modally over `panel` until the dialog ends; returns the dialog's result.
    virtual INT_PTR Run(HWND panel) = 0;
    // Ends the running dialog as its own close action does (nothing chosen). Called from inside
    // Run's message loop; the dialog may end once that loop has seen it.
    virtual void Close() = 0;
};
