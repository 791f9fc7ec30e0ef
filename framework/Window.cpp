#include "Window.h"

#include <cstdio>
#include <exception>

namespace fw {
namespace {
const char kObjectProp[] = "fw.Window";

// Nothing may unwind through the system's window procedure; what was swallowed is at least told
// to a debugger.
void ReportSwallowed(UINT message, const char* what) {
    char line[200];
    std::snprintf(line, sizeof line, "fw: exception in the handler of message 0x%04X swallowed: %s\n", message,
                  what ? what : "(not a std::exception)");
    ::OutputDebugStringA(line);
}
}  // namespace

Window::~Window() {
    HWND hwnd = hwnd_;
    if (!hwnd) return;
    const bool created = created_;
    // An object that dies before its window must not leave a dangling binding behind.
    Unbind();
    if (created && ::IsWindow(hwnd)) ::DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return static_cast<Window*>(::GetPropA(hwnd, kObjectProp));
}

bool Window::RegisterWindowClass(const char* className, UINT classStyle, HICON icon, HBRUSH background) {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(module, className, &existing)) return existing.lpfnWndProc == &Window::ClassWindowProc;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &Window::ClassWindowProc;
    wc.hInstance = module;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return ::RegisterClassExA(&wc) != 0;
}

bool Window::Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId) {
    if (hwnd_) return false;
    HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                  ::GetModuleHandleA(nullptr), this);
    if (!hwnd) {
        // A window that failed in WM_CREATE has been destroyed already; it unbound itself.
        return false;
    }
    if (hwnd_ != hwnd) {  // not one of our classes: it never bound
        ::DestroyWindow(hwnd);
        return false;
    }
    created_ = true;
    return true;
}

void Window::Destroy() {
    if (hwnd_ && created_) ::DestroyWindow(hwnd_);
}

// The creation parameter carries the object; it is bound at the first message that has it, so
// that WM_NCCREATE and WM_CREATE already reach its message map. The few messages before it
// (WM_GETMINMAXINFO) get the default processing.
LRESULT CALLBACK Window::ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = FromHandle(hwnd);
    if (!self && message == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        self = cs ? static_cast<Window*>(cs->lpCreateParams) : nullptr;
        if (self && self->hwnd_) self = nullptr;  // an object has one window at a time
        if (self) self->Bind(hwnd);
    }
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return self->Dispatch(hwnd, message, wParam, lParam);
}

void Window::CenterOver(HWND other) const {
    RECT mine;
    RECT theirs;
    if (!hwnd_ || !other || !::GetWindowRect(hwnd_, &mine) || !::GetWindowRect(other, &theirs)) return;
    const LONG width = mine.right - mine.left;
    const LONG height = mine.bottom - mine.top;
    LONG x = (theirs.left + theirs.right) / 2 - width / 2;
    LONG y = (theirs.top + theirs.bottom) / 2 - height / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromWindow(other, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        if (x + width > work.right) x = work.right - width;
        if (y + height > work.bottom) y = work.bottom - height;
        if (x < work.left) x = work.left;
        if (y < work.top) y = work.top;
    }
    ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::PreTranslateMessage(MSG&) { return false; }

bool Window::OnMessage(const Msg&, LRESULT&) { return false; }

LRESULT Window::WindowProc(const Msg& m) {
    LRESULT result = 0;
    if (OnMessage(m, result)) return result;
    return DefaultProc(m);
}

LRESULT Window::DefaultProc(const Msg& m) { return ::DefWindowProcA(m.hwnd, m.message, m.wParam, m.lParam); }

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
    created_ = false;
}

LRESULT Window::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const Msg m{hwnd, message, wParam, lParam};
    const Msg* outer = current_;  // handlers may send messages to their own window
    current_ = &m;
    LRESULT result = 0;
    try {
        result = WindowProc(m);
    } catch (const std::exception& e) {
        ReportSwallowed(message, e.what());
        result = DefaultProc(m);
    } catch (...) {
        ReportSwallowed(message, nullptr);
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
