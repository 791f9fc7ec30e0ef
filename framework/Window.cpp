#include "Window.h"

namespace fw {
namespace {
const char kObjectProp[] = "fw.Window";
}

Window::~Window() {
    // An object that dies before its window must not leave a dangling binding behind.
    if (hwnd_) ::RemovePropA(hwnd_, kObjectProp);
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return static_cast<Window*>(::GetPropA(hwnd, kObjectProp));
}

bool Window::PreTranslateMessage(MSG&) { return false; }

bool Window::OnMessage(const Msg&, LRESULT&) { return false; }

LRESULT Window::WindowProc(const Msg& m) {
    LRESULT result = 0;
    if (OnMessage(m, result)) return result;
    return DefaultProc(m);
}

LRESULT Window::Default() {
    if (!current_) return 0;
    return DefaultProc(*current_);
}

void Window::Bind(HWND hwnd) {
    hwnd_ = hwnd;
    ::SetPropA(hwnd, kObjectProp, this);
}

void Window::Unbind() {
    if (hwnd_) ::RemovePropA(hwnd_, kObjectProp);
    hwnd_ = nullptr;
}

LRESULT Window::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const Msg m{hwnd, message, wParam, lParam};
    const Msg* outer = current_;  // handlers may send messages to their own window
    current_ = &m;
    LRESULT result = 0;
    try {
        result = WindowProc(m);
    } catch (...) {
        // Nothing may unwind through the system's window procedure.
        result = DefaultProc(m);
    }
    current_ = outer;
    if (message == WM_NCDESTROY) {
        Unbind();
        PostNcDestroy();
    }
    return result;
}

}  // namespace fw
