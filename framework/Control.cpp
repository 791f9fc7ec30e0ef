#include "Control.h"

#include <commctrl.h>

namespace fw {
namespace {
const UINT_PTR kSubclassId = 0x4657;  // one subclass of ours per control
}

Control::~Control() { Detach(); }

bool Control::Attach(HWND hwnd) {
    if (!hwnd || Handle() || FromHandle(hwnd)) return false;
    if (!::SetWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    Bind(hwnd);
    OnAttached();
    return true;
}

void Control::Detach() {
    HWND hwnd = Handle();
    if (!hwnd) return;
    ::RemoveWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId);
    Unbind();
}

void Control::DrawItem(const DRAWITEMSTRUCT&) {}

LRESULT Control::DefaultProc(const Msg& m) { return ::DefSubclassProc(m.hwnd, m.message, m.wParam, m.lParam); }

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR refData) {
    auto* self = reinterpret_cast<Control*>(refData);
    if (message == WM_NCDESTROY) {
        // The object may go away in PostNcDestroy: take the subclass off first by name only.
        LRESULT r = self->Dispatch(hwnd, message, wParam, lParam);
        ::RemoveWindowSubclass(hwnd, &Control::SubclassProc, kSubclassId);
        return r;
    }
    return self->Dispatch(hwnd, message, wParam, lParam);
}

}  // namespace fw
