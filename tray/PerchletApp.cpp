#include "PerchletApp.h"

#include <shlwapi.h>

#include "ComSecurity.h"
#include "MenuItemRecord.h"
#include "PerchletConstants.h"
#include "TrayStartRules.h"

namespace {
const DWORD kStartSettleMs = 500;
}

CPerchletApp::CPerchletApp(const char* arguments) : arguments_(arguments ? arguments : "") {}

bool CPerchletApp::InitInstance() {
    CSystemTray::RegisterShellMessages();

    // Held for the life of the process. A mutex that exists (or that this user may not open) is
    // another instance's: this one ends without a word.
    instanceMutex_.Reset(::CreateMutexA(nullptr, FALSE, kTrayMutexName));
    const DWORD mutexError = ::GetLastError();
    if (!instanceMutex_ || mutexError == ERROR_ALREADY_EXISTS) return false;

    com_.emplace();
    if (!InitializeComSecurity()) {
        ::MessageBoxA(nullptr, "Failed to fix security", kMessageBoxCaption, MB_OK);
        return false;
    }

    // Tested before the command line: a user who switched the icon off keeps the settings too.
    if (TraySwitchedOff(HKEY_CURRENT_USER, kStoreKeyPath)) return false;
    if (AsksToDeleteSettings(arguments_.c_str()) &&
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kStoreKeyPath) != ERROR_SUCCESS)
        return false;

    frame_ = std::make_unique<CMainFrame>();
    if (!frame_->LoadFrame()) return false;
    ::Sleep(kStartSettleMs);
    return true;
}

int CPerchletApp::ExitInstance() {
    frame_.reset();
    com_.reset();
    instanceMutex_.Reset();
    return Application::ExitInstance();
}
