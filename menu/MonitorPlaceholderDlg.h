#pragma once
// Stands in for the display-output dialog until it is built: a plain modal box titled
// "Monitor Switch" whose OK is a choice and whose Cancel (or Escape) is the close action. After a
// choice it asks the panel to put the pointer and the focus back, as the real dialog does.
#include <windows.h>

#include "SubDialog.h"

constexpr char kMonitorDialogTitle[] = "Monitor Switch";

class CMonitorPlaceholderDlg : public ISubDialog {
public:
    // IDOK after a choice, IDCANCEL after the close action.
    INT_PTR Run(HWND panel) override;
    void Close() override;

private:
    HWND panel_ = nullptr;
};
