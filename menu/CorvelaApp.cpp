#include "CorvelaApp.h"

#include "ComSecurity.h"
#include "CorvelaDlg.h"
#include "GdiplusSession.h"
#include "SettingsProgram.h"
#include "SuiteContract.h"

bool CCorvelaApp::InitInstance() {
    // The launcher's one action both opens and closes the menu.
    if (HWND open = ::FindWindowA(nullptr, kPanelTitle)) {
        ::PostMessageA(open, WM_CLOSE, 0, 0);
        return false;
    }
    // While the settings program runs, its edits wait in the store for its OK or Cancel; the
    // panel's start would settle them (its order index rebuild does), and its Cancel could then
    // no longer give the store back. The settings closed the panel at their start; it stays
    // closed until they end.
    if (IsSettingsProgramRunning()) {
        ::OutputDebugStringA("Corvela: the settings program runs, the panel does not open\n");
        return false;
    }

    // Ended in ExitInstance, after the panel and GDI+ are gone.
    com_.emplace();
    // The firmware requests run under these process-wide settings. A failure is not fatal: the
    // connection then fails in its own time and the panel does not open.
    InitializeComSecurity();
    CGdiplusSession gdiplus;
    {
        // Gone before GDI+ is: nothing of GDI+ may outlive the session.
        CCorvelaDlg panel;
        panel.DoModal();
    }
    return false;
}

int CCorvelaApp::ExitInstance() {
    com_.reset();
    return Application::ExitInstance();
}

// F1 is kept away from every pre-translation, the panel's included. Only key messages carry a
// key code: a WM_CHAR of 'p' or a mouse message whose button flags add up to 0x70 is no F1.
bool CCorvelaApp::PreTranslateMessage(MSG& msg) {
    const bool keyMessage = msg.message == WM_KEYDOWN || msg.message == WM_KEYUP ||
                            msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP;
    if (keyMessage && msg.wParam == VK_F1) return false;
    return Application::PreTranslateMessage(msg);
}
