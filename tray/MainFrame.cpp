#include "MainFrame.h"

#include "Handles.h"
#include "PerchletConstants.h"

const fw::MessageMapEntry<CMainFrame> CMainFrame::kMap[] = {
    fw::OnMessage(WM_CREATE, &CMainFrame::OnCreate),
    fw::OnMessage(WM_CLOSE, &CMainFrame::OnClose),
    fw::OnMessage(WM_DESTROY, &CMainFrame::OnDestroy),
    fw::OnMessage(UWM_TRAY_EXIT, &CMainFrame::OnCloseRequest),
    fw::OnCommand(ID_APP_EXIT, &CMainFrame::OnCloseRequest),
    fw::OnCommand(ID_APP_ABOUT, &CMainFrame::OnAboutCommand),
    fw::EndMessageMap<CMainFrame>(),
};

CMainFrame::CMainFrame(INotifyIconShell& shell) : tray_(shell) {}

CMainFrame::~CMainFrame() {
    about_.reset();
    // While the object is whole, so that the icon goes with the window.
    if (Handle()) Destroy();
}

bool CMainFrame::LoadFrame() {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    HICON icon = ::LoadIconA(module, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!RegisterWindowClass(kTrayFrameClass, 0, icon, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) return false;
    fw::Menu menu(::LoadMenuA(module, MAKEINTRESOURCEA(IDR_MAINFRAME)));
    if (!Create(kTrayFrameClass, kTrayWindowTitle, WS_OVERLAPPEDWINDOW, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu.Get())) {
        // A window destroyed in its creation takes its menu along.
        if (!::IsMenu(menu.Get())) menu.Release();
        return false;
    }
    menu.Release();  // the frame's now
    return true;
}

bool CMainFrame::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || Window::OnMessage(m, result);
}

LRESULT CMainFrame::OnCreate(const fw::Msg&) {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    // The small image of icon 128, drawn as it is instead of shrunk from the large one.
    HICON icon = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    if (!tray_.CreateTrayIcon(Handle(), nullptr, UWM_TRAY_CALLBACK, kTrayWindowTitle, icon, kTrayIconId))
        return -1;
    tray_.SetMenuDefaultItem(static_cast<UINT>(-1), true);
    return 0;
}

LRESULT CMainFrame::OnClose(const fw::Msg&) {
    about_.reset();
    Destroy();
    return 0;
}

LRESULT CMainFrame::OnDestroy(const fw::Msg&) {
    about_.reset();
    tray_.RemoveTrayIcon();
    ::PostQuitMessage(0);
    return Default();
}

LRESULT CMainFrame::OnCloseRequest(const fw::Msg&) {
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return 0;
}

// A new box each time, so that at most one is open and it shows in front.
LRESULT CMainFrame::OnAboutCommand(const fw::Msg&) {
    about_.reset();
    auto box = std::make_unique<CAboutDlg>();
    if (!box->Create(Handle())) return 0;
    box->ShowCentred();
    about_ = std::move(box);
    return 0;
}
