#include "PushButton.h"

namespace fw {

void PushButton::SetText(const char* text) { ::SetWindowTextA(Handle(), text ? text : ""); }

int PushButton::GetText(char* buffer, int size) const {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    if (!Handle()) return 0;
    return ::GetWindowTextA(Handle(), buffer, size);
}

UINT PushButton::GetButtonStyle() const {
    return static_cast<UINT>(::GetWindowLongPtrA(Handle(), GWL_STYLE) & 0xFFFF);
}

void PushButton::SetButtonStyle(UINT style, bool redraw) {
    ::SendMessageA(Handle(), BM_SETSTYLE, style, redraw ? TRUE : FALSE);
}

void PushButton::AddStyle(LONG_PTR bits) {
    ::SetWindowLongPtrA(Handle(), GWL_STYLE, ::GetWindowLongPtrA(Handle(), GWL_STYLE) | bits);
}

void PushButton::Show(bool visible) { ::ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE); }

bool PushButton::IsShown() const { return ::IsWindowVisible(Handle()) != FALSE; }

}  // namespace fw
