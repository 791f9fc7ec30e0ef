#include "ControlRef.h"

#include <vector>

namespace fw {

std::string ControlRef::Text() const {
    if (!hwnd_) return std::string();
    const int length = ::GetWindowTextLengthA(hwnd_);
    if (length <= 0) return std::string();
    // The length may be an over-estimate (double-byte text); the copy says how much there is.
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(hwnd_, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void ControlRef::SetRedraw(bool redraw) const {
    Send(WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (redraw) ::InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace fw
