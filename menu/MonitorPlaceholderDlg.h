#pragma once
// Stands in for the display-output dialog until it is built: a plain modal box titled
// "Monitor Switch" whose OK is a choice and whose Cancel (or Escape) is the close action. It ends
// the way the real dialog does: the panel's keyboard is given back, and after a choice the panel
// is asked to put the pointer and the focus back.
#include <windows.h>

constexpr char kMonitorDialogTitle[] = "Monitor Switch";

// Runs modally over `panel`; `subDialogOpen` is the panel's flag, cleared when the box ends.
// Returns 1 after a choice, 0 after the close action.
int RunMonitorPlaceholder(HWND panel, int& subDialogOpen);
