#include "Application.h"

#include "Window.h"

namespace fw {
namespace {
Application* g_app = nullptr;
}

Application::Application() : instance_(::GetModuleHandleA(nullptr)) { g_app = this; }

Application::~Application() {
    if (g_app == this) g_app = nullptr;
}

Application* Application::Current() { return g_app; }

bool Application::PreTranslateMessage(MSG& msg) { return PreTranslateWalk(msg); }

int Application::ExitInstance() { return 0; }

int Application::Run() {
    if (InitInstance()) {
        MSG msg;
        BOOL got;
        while ((got = ::GetMessageA(&msg, nullptr, 0, 0)) != 0 && got != -1) {
            if (!PreTranslate(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    return ExitInstance();
}

bool PreTranslateWalk(MSG& msg) {
    for (HWND hwnd = msg.hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (Window* w = Window::FromHandle(hwnd)) {
            if (w->PreTranslateMessage(msg)) return true;
        }
        if (!(::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD)) break;
    }
    return false;
}

bool PreTranslate(MSG& msg) {
    if (g_app) return g_app->PreTranslateMessage(msg);
    return PreTranslateWalk(msg);
}

}  // namespace fw
