#pragma once
// The application object: one per process. It starts the program, offers every queued message
// to pre-translation before dispatch, and ends the program.
#include <windows.h>

namespace fw {

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Start; false ends the program right away (ExitInstance still runs).
    virtual bool InitInstance() = 0;
    // Every queued message of the program's loops passes here first; true swallows it.
    // The base walks from the message's window up to its top-level window, asking each bound
    // object (dialogs, controls) in turn.
    virtual bool PreTranslateMessage(MSG& msg);
    // End; the result is the process exit code.
    virtual int ExitInstance();

    // InitInstance, then (when it returned true) a message loop until WM_QUIT, then ExitInstance.
    int Run();

    static Application* Current();
    HINSTANCE Instance() const { return instance_; }

private:
    HINSTANCE instance_;
};

// The framework's pre-translation walk, without an application object's overrides.
bool PreTranslateWalk(MSG& msg);
// What the modal loops call: the application's pre-translation, or the walk when there is none.
bool PreTranslate(MSG& msg);

}  // namespace fw
