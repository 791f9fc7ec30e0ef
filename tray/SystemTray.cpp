#include "SystemTray.h"

#include "Handles.h"
#include "PerchletConstants.h"
#include "ProgramFolder.h"
#include "ShellStart.h"
#include "StringTable.h"
#include "Text.h"

namespace {
const UINT_PTR kRetryTimer = 1;
const int kNotifyWindowSize = 10;
}  // namespace

UINT CSystemTray::s_taskbarCreated = 0;

const fw::MessageMapEntry<CSystemTray> CSystemTray::kMap[] = {
    fw::OnMessage(WM_TIMER, &CSystemTray::OnTimer),
    fw::OnRegisteredMessage(CSystemTray::s_taskbarCreated, &CSystemTray::OnTaskbarCreated),
    // Other programs find the tray program by its title, which this window shares with the frame:
    // whichever of the two they reach, the program ends.
    fw::OnMessage(WM_CLOSE, &CSystemTray::OnEndRequest),
    fw::OnMessage(UWM_TRAY_EXIT, &CSystemTray::OnEndRequest),
    fw::EndMessageMap<CSystemTray>(),
};

CSystemTray::CSystemTray(INotifyIconShell& shell, TrayRetrySchedule schedule) : shell_(shell), schedule_(schedule) {}

CSystemTray::~CSystemTray() { RemoveTrayIcon(); }

UINT CSystemTray::RegisterShellMessages() {
    s_taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
    return s_taskbarCreated;
}

bool CSystemTray::CreateTrayIcon(HWND mainWindow, HWND owner, UINT callbackMessage, const char* tip, HICON icon,
                                 UINT id) {
    // The notification area came with Windows 95 and NT 4.
    if (LOBYTE(LOWORD(::GetVersion())) < 4) {
        iconAdded_ = false;
        return false;
    }
    RegisterShellMessages();
    if (Handle()) return false;
    if (!fw::Window::RegisterWindowClass(kTrayNotifyClass) ||
        !Create(kTrayNotifyClass, kTrayWindowTitle, WS_POPUP, 0, 0, 0, kNotifyWindowSize, kNotifyWindowSize))
        return false;
    mainWindow_ = mainWindow;

    record_ = NOTIFYICONDATAA{};
    record_.cbSize = kNotifyIconRecordSize;
    record_.hWnd = owner ? owner : Handle();
    record_.uID = id;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = callbackMessage;
    record_.hIcon = icon;
    TextCopy(record_.szTip, tip ? tip : "");  // at most 127 characters

    if (!TryAddIcon()) KeepTrying();
    return true;
}

void CSystemTray::SetMenuDefaultItem(UINT item, bool byPosition) {
    defaultItem_ = item;
    defaultByPosition_ = byPosition;
}

void CSystemTray::RemoveTrayIcon() {
    StopTrying();
    // Also after an add that only seemed to fail: a timed-out add may have put the icon in.
    if (iconAdded_ || addAttempted_) shell_.Delete(record_);
    iconAdded_ = false;
    addAttempted_ = false;
    Destroy();
}

bool CSystemTray::OnMessage(const fw::Msg& m, LRESULT& result) {
    // The callback number is the icon's, set at run time.
    if (record_.uCallbackMessage != 0 && m.message == record_.uCallbackMessage) {
        result = HandleTrayCallback(static_cast<UINT>(m.wParam), static_cast<UINT>(m.lParam));
        return true;
    }
    return fw::RouteMessage(this, kMap, m, result) || Window::OnMessage(m, result);
}

LRESULT CSystemTray::HandleTrayCallback(UINT id, UINT mouseMessage) {
    if (id != record_.uID) return 0;
    switch (mouseMessage) {
        case WM_RBUTTONUP:
            if (!ShowMenu()) return 0;
            break;
        case WM_LBUTTONDBLCLK:
            StartMenuHost();
            break;
        default:  // single clicks and moves do nothing
            break;
    }
    return 1;
}

void CSystemTray::ReAddTrayIcon() {
    if (!Handle()) return;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    if (TryAddIcon())
        StopTrying();
    else
        KeepTrying();
}

LRESULT CSystemTray::OnTimer(const fw::Msg& m) {
    if (m.TimerId() != kRetryTimer) return Default();
    if (TryAddIcon()) {
        StopTrying();
    } else if (::GetTickCount() - retryStart_ >= schedule_.limitMs) {
        StopTrying();
        ::OutputDebugStringA("Perchlet: the shell did not take the icon; the program ends\n");
        EndProgram();
    }
    return 0;
}

LRESULT CSystemTray::OnTaskbarCreated(const fw::Msg&) {
    ReAddTrayIcon();
    return 0;
}

LRESULT CSystemTray::OnEndRequest(const fw::Msg&) {
    EndProgram();
    return 0;
}

bool CSystemTray::TryAddIcon() {
    addAttempted_ = true;
    iconAdded_ = shell_.Add(record_) || shell_.Modify(record_);
    return iconAdded_;
}

// A refusal that comes while the program is already trying again keeps the first deadline.
void CSystemTray::KeepTrying() {
    if (retrying_ || !Handle()) return;
    retrying_ = true;
    retryStart_ = ::GetTickCount();
    ::SetTimer(Handle(), kRetryTimer, schedule_.intervalMs, nullptr);
}

void CSystemTray::StopTrying() {
    if (retrying_ && Handle()) ::KillTimer(Handle(), kRetryTimer);
    retrying_ = false;
}

void CSystemTray::EndProgram() {
    if (mainWindow_ && ::IsWindow(mainWindow_))
        ::PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
    else
        RemoveTrayIcon();
}

HWND CSystemTray::CommandWindow() const { return mainWindow_ ? mainWindow_ : Handle(); }

bool CSystemTray::ShowMenu() {
    if (busy_) return true;
    fw::Menu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(record_.uID)));
    HMENU popup = menu ? ::GetSubMenu(menu.Get(), 0) : nullptr;
    if (!popup) return false;
    ::SetMenuDefaultItem(popup, defaultItem_, defaultByPosition_ ? TRUE : FALSE);
    POINT at = {0, 0};
    ::GetCursorPos(&at);
    const HWND target = CommandWindow();
    busy_ = true;
    // Without the foreground the menu would not close when the user clicks elsewhere, and without
    // the message after it the next right click would open it only every other time.
    ::SetForegroundWindow(target);
    ::TrackPopupMenu(popup, TPM_LEFTBUTTON, at.x, at.y, 0, target, nullptr);
    ::PostMessageA(target, WM_NULL, 0, 0);
    busy_ = false;
    return true;
}

void CSystemTray::StartMenuHost() {
    char path[kTextCap];
    TextZero(path);
    if (GetProgramFilePath(kPanelProgramFile, path, sizeof(path)) && FileExists(path)) {
        ShellStart(nullptr, nullptr, path, nullptr, nullptr, SW_SHOW);
        return;
    }
    if (busy_) return;
    busy_ = true;
    char text[kTextCap * 2];
    LoadText(IDS_NO_CORVELA, text, sizeof(text));
    ::MessageBoxA(Handle(), text, kMessageBoxCaption, MB_OK | MB_SETFOREGROUND);
    busy_ = false;
}
