#pragma once
// One window message as handlers see it, with typed accessors so that no handler unpacks
// WPARAM/LPARAM by hand.
#include <windows.h>
#include <windowsx.h>

namespace fw {

struct Msg {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;

    // WM_COMMAND
    UINT CommandId() const { return LOWORD(wParam); }
    UINT NotifyCode() const { return HIWORD(wParam); }
    HWND ControlWindow() const { return reinterpret_cast<HWND>(lParam); }
    // WM_NOTIFY
    const NMHDR* Notify() const { return reinterpret_cast<const NMHDR*>(lParam); }
    // The notification's own structure (NMLISTVIEW, NMLVKEYDOWN, ...), which begins with NMHDR.
    template <class T>
    const T* NotifyAs() const {
        return reinterpret_cast<const T*>(lParam);
    }
    // Mouse messages: client point (signed, so multi-monitor negatives survive).
    POINT Point() const { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
    // WM_KEYDOWN and kin
    UINT Key() const { return static_cast<UINT>(wParam); }
    // WM_TIMER
    UINT_PTR TimerId() const { return wParam; }
    // WM_ACTIVATE
    UINT ActivateState() const { return LOWORD(wParam); }
};

}  // namespace fw
