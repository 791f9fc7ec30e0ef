#pragma once
// The tray program's hidden frame window, titled "Cor Vela": it owns the notification icon and the
// About box, takes the icon menu's commands, and ends the program when it closes (on Exit, on
// WM_CLOSE or on UWM_TRAY_EXIT from another program, or when the icon cannot be shown).
#include <memory>

#include "AboutDlg.h"
#include "MessageMap.h"
#include "NotifyIconShell.h"
#include "SystemTray.h"
#include "Window.h"

class CMainFrame : public fw::Window {
public:
    explicit CMainFrame(INotifyIconShell& shell = SystemNotifyIconShell());
    ~CMainFrame() override;

    // Creates the frame (icon and menu 128, an overlapped window that is never shown) and with it
    // the notification icon; false when either cannot be made.
    bool LoadFrame();

protected:
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;

private:
    LRESULT OnCreate(const fw::Msg& m);
    LRESULT OnClose(const fw::Msg& m);
    LRESULT OnDestroy(const fw::Msg& m);
    LRESULT OnCloseRequest(const fw::Msg& m);
    LRESULT OnAboutCommand(const fw::Msg& m);

    std::unique_ptr<CAboutDlg> about_;
    CSystemTray tray_;
    static const fw::MessageMapEntry<CMainFrame> kMap[];
};
