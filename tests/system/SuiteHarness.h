#pragma once
// Drives the suite's real programs from outside, as a user and the other programs do: starts them
// from the build's dist folder, finds their windows by title, reads what the window manager knows
// of them (rectangles, styles, layered alpha, region), posts messages, moves the pointer and types
// with SendInput, and looks at files and registry values. Every wait is bounded.
//
// The test program must run in the same Wine prefix and on the same virtual desktop as the
// programs it starts (scripts/winenv). The waits, paths, encodings and registry helpers it uses
// are the test support library's (tests/support).
#include <windows.h>

#include <string>

#include "Encoding.h"
#include "Handles.h"
#include "Paths.h"
#include "Registry.h"
#include "ScratchFolder.h"
#include "SuiteContract.h"
#include "Wait.h"

namespace suite {

// A program started from dist; terminated when the object goes, if still running, so that a
// failing test leaves nothing behind.
class ProgramRun {
public:
    ProgramRun() = default;
    ProgramRun(ProgramRun&&) = default;
    ProgramRun& operator=(ProgramRun&&) = default;
    ~ProgramRun();

    // Starts "<dist>\<exeName>" with `arguments` (may be null), working folder dist.
    static ProgramRun Start(const char* exeName, const char* arguments = nullptr);
    // Starts the program at `exePath` (a copy installed elsewhere) with `arguments` (may be null),
    // working folder `folder`.
    static ProgramRun StartFile(const std::string& exePath, const char* arguments, const std::string& folder);
    // Takes hold of a program that someone else started (the panel started the settings
    // program, the tray program the panel); not started when it cannot be opened.
    static ProgramRun Attach(DWORD pid);

    bool Started() const { return process_.Valid(); }
    DWORD Pid() const { return pid_; }
    bool Running() const;
    // True when the program ended within `timeoutMs`.
    bool WaitForExit(DWORD timeoutMs);
    // STILL_ACTIVE while running; ~0u when never started.
    DWORD ExitCode() const;
    void Terminate();

private:
    fw::KernelHandle process_;
    DWORD pid_ = 0;
};

// A top-level window found by title (and class, when given) within `timeoutMs`; null otherwise.
HWND WaitForWindow(const char* title, DWORD timeoutMs, const char* windowClass = nullptr);
// True when no window has `title` any more within `timeoutMs`.
bool WaitForWindowGone(const char* title, DWORD timeoutMs);
// The process that owns `hwnd`.
DWORD WindowProcess(HWND hwnd);

RECT WindowRect(HWND hwnd);
// Rectangle of the child control `id` in the client coordinates of `parent`.
RECT ChildRect(HWND parent, int id);
LONG_PTR Style(HWND hwnd);
LONG_PTR ExStyle(HWND hwnd);
bool IsTopmost(HWND hwnd);
// The layered attributes (GetLayeredWindowAttributes); false when the window is not layered.
bool LayeredAlpha(HWND hwnd, BYTE* alpha, DWORD* flags);
// Whether the window region of `hwnd` equals `expected` (window coordinates); false without one.
bool WindowRegionEquals(HWND hwnd, HRGN expected);
// Screen point of the client point (x, y) of `hwnd`.
POINT ClientToScreenPoint(HWND hwnd, int x, int y);

// Input as a user gives it: absolute pointer moves, clicks and key strokes through SendInput.
void MovePointer(int x, int y);
// Brings the pointer to (x, y) as a real pointer gets there, in two moves (a button holding the
// capture takes the first move after a jump and hands over only on the next), and waits until it
// has stayed there for twice `restMs`; a pointer already there is only waited for. False when it
// never came to rest there.
bool RestPointerAt(int x, int y, DWORD restMs = 100);
// Rests the pointer on (x, y) first, then presses and releases the left button there.
void ClickAt(int x, int y);
void PressKey(WORD vk);
POINT PointerPos();
// Runs xdotool (a program of the X display the Wine desktop is on) with `arguments`, e.g.
// "mousemove 1014 758 click 3", and waits for it. Its clicks reach another program's windows
// exactly as a user's do, where SendInput from this process does not. False when it could not be
// started or did not end in time.
bool XdoTool(const std::string& arguments, DWORD timeoutMs = 10000);
// The middle of control `id` of `dialog`, in screen coordinates.
POINT ControlMiddle(HWND dialog, int id);
// Drags `window` by the point `grip` (screen coordinates) as a user does: presses there, waits
// until the press has started the window's move loop, moves the pointer by (dx, dy) in `steps`
// steps and releases. False when the press started no move.
bool DragWindow(HWND window, POINT grip, int dx, int dy, int steps = 10);
// Whether `window` stands where a drag by (dx, dy) from `from` puts it, give or take one pixel:
// under the virtual desktop the move loop now and then starts from a pointer report of the
// approach, a pixel beside the grip. A window that jumps (a client point taken for a screen
// point) is off by far more.
bool DraggedTo(HWND window, const RECT& from, int dx, int dy);

// The window's text as the program set it, whatever the code page of this process.
std::wstring WindowTextW(HWND hwnd);
// Ends the programs that own a top-level window titled `title`: WM_CLOSE first, then, for a
// program still there after `timeoutMs`, TerminateProcess. True when no such window is left.
bool EndProgramsWithWindow(const char* title, DWORD timeoutMs);

}  // namespace suite
