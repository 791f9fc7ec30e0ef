#include "MonitorPlaceholderDlg.h"

#include <cstring>

#include "PanelWindow.h"

namespace {

constexpr char kPlaceholderText[] = "Display output: OK keeps the current output.";

struct BoxSearch {
    HWND owner;
    HWND box;
};

// The box is the system's: it is found among this thread's windows by its class, title and owner.
BOOL CALLBACK FindBox(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    char className[16] = {};
    char title[32] = {};
    ::GetClassNameA(hwnd, className, sizeof(className));
    ::GetWindowTextA(hwnd, title, sizeof(title));
    if (std::strcmp(className, "#32770") != 0 || std::strcmp(title, kMonitorDialogTitle) != 0 ||
        ::GetWindow(hwnd, GW_OWNER) != search->owner)
        return TRUE;
    search->box = hwnd;
    return FALSE;
}

}  // namespace

INT_PTR CMonitorPlaceholderDlg::Run(HWND panel) {
    panel_ = panel;
    const int answer = ::MessageBoxA(panel, kPlaceholderText, kMonitorDialogTitle, MB_OKCANCEL);
    panel_ = nullptr;
    if (answer != IDOK) return IDCANCEL;
    if (HWND target = ::FindWindowA(nullptr, kPanelTitle)) ::PostMessageA(target, UWM_PANEL_RESELECT, 0, 0);
    return IDOK;
}

void CMonitorPlaceholderDlg::Close() {
    if (!panel_) return;  // not running
    BoxSearch search{panel_, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.box) ::PostMessageA(search.box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
