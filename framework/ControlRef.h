#pragma once
// A control reached by messages alone: no subclassing and no binding, so nothing is owned and a
// copy is harmless. The wrappers of the common controls build on it; the subclassing kind is
// Control (Control.h), for controls whose behaviour the suite changes.
#include <windows.h>

#include <string>

namespace fw {

class ControlRef {
public:
    ControlRef() = default;
    explicit ControlRef(HWND hwnd) : hwnd_(hwnd) {}
    // Control `id` of the dialog or window `parent`.
    ControlRef(HWND parent, int id) : hwnd_(::GetDlgItem(parent, id)) {}

    HWND Handle() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }

    void Enable(bool enabled) const { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
    void Show(bool visible) const { ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    void Focus() const { ::SetFocus(hwnd_); }
    void SetText(const char* text) const { ::SetWindowTextA(hwnd_, text ? text : ""); }
    // Stops (false) or resumes (true) repainting, around many changes in a row; resuming
    // repaints the whole control once.
    void SetRedraw(bool redraw) const;
    // The whole window text, however long.
    std::string Text() const;

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(hwnd_, message, wParam, lParam);
    }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace fw
