#pragma once
// The part that dialogs and subclassed controls share: the binding of a C++ object to its HWND,
// the routing of each message through the object's message map, and the default processing to
// which a handler passes a message on.
#include "Msg.h"

namespace fw {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    // The object bound to a window of this process, or null.
    static Window* FromHandle(HWND hwnd);

    // Offered every queued message for this window or its children before it is dispatched;
    // true means the message was handled and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& msg);

protected:
    // The message map; the base routes nothing. Derived classes consult their table, then the base.
    virtual bool OnMessage(const Msg& m, LRESULT& result);
    // The window procedure of the object: the message map, else the default processing.
    virtual LRESULT WindowProc(const Msg& m);
    // Default processing of the message being handled now (for use inside handlers).
    LRESULT Default();
    // What the window's class does with a message when nobody handles it.
    virtual LRESULT DefaultProc(const Msg& m) = 0;
    // Called after the last message (WM_NCDESTROY) once the object is unbound.
    virtual void PostNcDestroy() {}

    void Bind(HWND hwnd);
    void Unbind();
    // Entry from the window procedures of dialogs and controls: routes one message, keeps
    // exceptions inside, and unbinds at WM_NCDESTROY.
    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND hwnd_ = nullptr;
    const Msg* current_ = nullptr;
};

}  // namespace fw
