// The baseline of PanelBench: a program that only runs an empty modal dialog, so that what the
// platform costs to start a process and show a window is measured apart from the panel's own work.
#include <windows.h>

namespace {

INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            ::MoveWindow(hwnd, 812, 103, 212, 561, FALSE);
            return TRUE;
        case WM_CLOSE:
            ::EndDialog(hwnd, 0);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) ::EndDialog(hwnd, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(::DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, &Proc, 0));
}
