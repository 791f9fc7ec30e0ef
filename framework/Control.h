#pragma once
// A control of a dialog attached to a C++ object by subclassing (SetWindowSubclass, which chains
// safely and leaves the control's own user data alone). Messages the object's map does not take
// go on to the control's class.
#include "Window.h"

namespace fw {

class Control : public Window {
public:
    ~Control() override;

    // Subclasses an existing window; false if it is null or already attached.
    bool Attach(HWND hwnd);
    void Detach();

    // Owner-draw painting, reflected here by the parent dialog's WM_DRAWITEM.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

protected:
    // Runs right after the control is attached (the place to adjust its style).
    virtual void OnAttached() {}
    LRESULT DefaultProc(const Msg& m) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
};

}  // namespace fw
