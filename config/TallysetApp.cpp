#include "TallysetApp.h"

#include <windows.h>
#include <commctrl.h>

#include "Handles.h"
#include "SettingsProgram.h"
#include "StringTable.h"
#include "TallysetDlg.h"
#include "TallysetIds.h"
#include "resource.h"

bool CloseWindowAndWait(const char* title, unsigned long timeoutMs) {
    HWND window = ::FindWindowA(nullptr, title);
    if (!window) return true;
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    const DWORD start = ::GetTickCount();
    while (::FindWindowA(nullptr, title)) {
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(50);
    }
    return true;
}

bool CTallysetApp::InitInstance() {
    // Held for the whole run: the panel does not start while the settings are being edited.
    fw::KernelHandle mutex(::CreateMutexA(nullptr, FALSE, kSettingsMutexName));
    if (!mutex || ::GetLastError() == ERROR_ALREADY_EXISTS) return false;

    CloseWindowAndWait(kPanelTitle, kPanelCloseWaitMs);

    if (!rights_.IsAdministrator()) {
        ::MessageBoxA(nullptr, LoadText(IDS_ADMINISTRATOR_ONLY).c_str(), kMessageBoxCaption, MB_OK | MB_ICONINFORMATION);
        return false;
    }

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    {
        CTallysetDlg dialog(exchange_);
        dialog.DoModal();
    }
    // The dialog was the program: no message loop follows it.
    return false;
}
