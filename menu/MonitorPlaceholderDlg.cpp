#include "MonitorPlaceholderDlg.h"

#include "PanelWindow.h"

namespace {

constexpr char kPlaceholderText[] = "Display output: OK keeps the current output.";

}  // namespace

int RunMonitorPlaceholder(HWND panel, int& subDialogOpen) {
    int answer = ::MessageBoxA(panel, kPlaceholderText, kMonitorDialogTitle, MB_OKCANCEL);
    subDialogOpen = 0;
    if (answer != IDOK) return 0;
    if (HWND target = ::FindWindowA(nullptr, kPanelTitle)) ::PostMessageA(target, UWM_PANEL_RESELECT, 0, 0);
    return 1;
}
