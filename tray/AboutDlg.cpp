#include "AboutDlg.h"

#include "StringTable.h"
#include "resource.h"

const fw::MessageMapEntry<CAboutDlg> CAboutDlg::kMap[] = {
    fw::OnCommand(IDC_ABOUT_OK, &CAboutDlg::OnOkButton),
    fw::EndMessageMap<CAboutDlg>(),
};

CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    ::SetWindowTextA(Handle(), LoadText(IDS_ABOUT_TITLE).c_str());
    ::SetDlgItemTextA(Handle(), IDC_ABOUT_NOTICE, LoadText(IDS_ABOUT_NOTICE).c_str());
    ::SetDlgItemTextA(Handle(), IDC_ABOUT_OK, LoadText(IDS_ABOUT_OK).c_str());
    return true;
}

bool CAboutDlg::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
}

// The button closes the box the way its caption's close button does: hidden, kept until the next
// About or the end of the program.
LRESULT CAboutDlg::OnOkButton(const fw::Msg&) {
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return 0;
}

void CAboutDlg::ShowCentred() {
    if (!Handle()) return;
    RECT work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT box = {0, 0, 0, 0};
    ::GetWindowRect(Handle(), &box);
    const int x = work.left + ((work.right - work.left) - (box.right - box.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2;
    ::SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
}
