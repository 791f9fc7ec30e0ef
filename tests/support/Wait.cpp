#include "Wait.h"

#include "Application.h"

namespace suite {

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (fw::PreTranslate(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (::GetTickCount() - start >= timeoutMs) return condition();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, stepMs, QS_ALLINPUT);
    }
}

void Settle(DWORD ms) {
    WaitUntil([] { return false; }, ms, 10);
}

}  // namespace suite
