#pragma once
// The tray program's icon in the notification area, and the hidden 10 x 10 window (titled
// "Cor Vela", like the frame) that receives the shell's messages about it. The icon opens the
// menu host on a double click and a small menu on a right click; the menu's commands go to the
// program's main window.
//
// The shell may refuse the icon or time out while it starts (at logon), and forgets every icon
// when it restarts. So a refused icon is tried again once a second for up to a minute and on each
// "TaskbarCreated"; an add that fails while the icon is in fact there (a timed-out add that went
// through, or a "TaskbarCreated" without a restart) becomes a modify, so that one icon stays. An
// icon that never goes in ends the program: without it the program is of no use, and a later
// start of the menu host starts it again.
#include <windows.h>
#include <shellapi.h>

#include "MessageMap.h"
#include "NotifyIconShell.h"
#include "Window.h"

struct TrayRetrySchedule {
    DWORD intervalMs = 1000;
    DWORD limitMs = 60000;
};

class CSystemTray : public fw::Window {
public:
    explicit CSystemTray(INotifyIconShell& shell = SystemNotifyIconShell(),
                         TrayRetrySchedule schedule = TrayRetrySchedule());
    // Takes the icon out and destroys the notification window.
    ~CSystemTray() override;

    // Registers "TaskbarCreated", which the shell broadcasts when the task bar comes (back);
    // done at program start, and again (harmlessly) by each icon. Returns its number.
    static UINT RegisterShellMessages();

    // Makes the notification window and puts the icon in. The record's owner is `owner`, or the
    // notification window when null; `mainWindow` gets the menu's commands and is told to close
    // when the program should end. True when the window exists and the icon is in or being tried
    // again; false on a system older than the notification area or when the window cannot be made.
    bool CreateTrayIcon(HWND mainWindow, HWND owner, UINT callbackMessage, const char* tip, HICON icon, UINT id);
    // The item the pop-up menu shows in bold; (-1, by position) is none.
    void SetMenuDefaultItem(UINT item, bool byPosition);
    // Takes the icon out of the notification area and destroys the notification window.
    void RemoveTrayIcon();

    bool IconAdded() const { return iconAdded_; }
    bool Retrying() const { return retrying_; }

    // A mouse message about icon `id`, as the shell reports it; 0 when it is not this icon's.
    virtual LRESULT HandleTrayCallback(UINT id, UINT mouseMessage);
    // The shell (re)started: the icon goes in again.
    virtual void ReAddTrayIcon();

protected:
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;

private:
    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnTaskbarCreated(const fw::Msg& m);
    LRESULT OnEndRequest(const fw::Msg& m);

    bool TryAddIcon();
    void KeepTrying();
    void StopTrying();
    void EndProgram();
    HWND CommandWindow() const;
    bool ShowMenu();
    void StartMenuHost();

    INotifyIconShell& shell_;
    TrayRetrySchedule schedule_;
    NOTIFYICONDATAA record_{};
    bool iconAdded_ = false;
    bool addAttempted_ = false;
    bool retrying_ = false;
    DWORD retryStart_ = 0;
    HWND mainWindow_ = nullptr;
    UINT defaultItem_ = static_cast<UINT>(-1);
    bool defaultByPosition_ = true;
    // A menu or a message of the icon is open: further clicks wait for it.
    bool busy_ = false;

    static UINT s_taskbarCreated;
    static const fw::MessageMapEntry<CSystemTray> kMap[];
};
