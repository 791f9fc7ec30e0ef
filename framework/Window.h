#pragma once
// The part that every window object shares: the binding of a C++ object to its HWND, the routing
// of each message through the object's message map, and the default processing to which a
// handler passes a message on.
//
// A plain Window is a window of a class registered with RegisterWindowClass below and made with Create:
// it is bound at WM_NCCREATE from the creation parameter, so its handlers see WM_CREATE and
// everything after it, and its default processing is DefWindowProcA. Dialogs and subclassed
// controls are bound their own way (Dialog.h, Control.h).
#include "Msg.h"

namespace fw {

class Window {
public:
    Window() = default;
    // A window made with Create and still open is destroyed here. The derived parts are gone by
    // then, so the object is unbound first and the last messages get the default processing only:
    // a window with teardown of its own destroys itself before its object goes.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    // The object bound to a window of this process, or null.
    static Window* FromHandle(HWND hwnd);

    // Registers a window class whose windows route to the object they were created for. A class
    // already registered by this module counts as success.
    static bool RegisterWindowClass(const char* className, UINT classStyle = 0, HICON icon = nullptr,
                              HBRUSH background = nullptr);
    // Creates a window of a class registered above and binds it to this object; false when the
    // object already has a window or the creation fails (WM_CREATE returning -1 included).
    bool Create(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent = nullptr, HMENU menuOrId = nullptr);
    // Destroys the window made with Create; the object stays and can create another.
    void Destroy();

    // Moves the window so that its centre is that of `other`, kept inside the work area of the
    // monitor `other` is on (a dialog opened over a window near the screen's edge stays whole).
    void CenterOver(HWND other) const;

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
    virtual LRESULT DefaultProc(const Msg& m);
    // Called after the last message (WM_NCDESTROY) once the object is unbound.
    virtual void PostNcDestroy() {}

    void Bind(HWND hwnd);
    void Unbind();
    // Entry from the window procedures: routes one message, keeps exceptions inside (and reports
    // them to the debugger), and unbinds at WM_NCDESTROY.
    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK ClassWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    const Msg* current_ = nullptr;
    bool created_ = false;  // made by Create: the object destroys what it made
};

}  // namespace fw
