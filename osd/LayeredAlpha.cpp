#include "LayeredAlpha.h"

LayeredAttributesProc FindLayeredAttributes() {
    HMODULE user32 = ::GetModuleHandleA("USER32.DLL");
    if (!user32) return nullptr;
    return reinterpret_cast<LayeredAttributesProc>(::GetProcAddress(user32, "SetLayeredWindowAttributes"));
}

bool ApplyLayeredAlpha(HWND hwnd, LayeredAttributesProc proc, BYTE alpha) {
    if (!hwnd || !proc) return false;
    const LONG_PTR exStyle = ::GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (proc(hwnd, 0, alpha, LWA_ALPHA)) return true;
    ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    return false;
}
