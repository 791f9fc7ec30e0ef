// The settings dialog's OK, and every way out of it.
#include "TallysetDlg.h"

#include "ProgramFolder.h"
#include "SettingsFiles.h"
#include "ShellStart.h"
#include "SuiteContract.h"
#include "TallysetIds.h"
#include "resource.h"

// OK writes nothing until it knows it can write everything: a tray program that is wanted but
// missing stops it before the store is touched, and the tray setting is written only once the
// rows are. A failed commit has told the user ("Set Registry Error") and leaves the dialog open
// with the run still pending, to be tried again or cancelled; the commit wrote nothing then.
LRESULT CTallysetDlg::OnOkButton(const fw::Msg&) {
    if (settled_) return 0;
    const bool trayWanted = trayBox_.IsChecked();
    std::string trayProgram;
    std::string trayFolder;
    if (trayWanted && !(TrayProgramPath(&trayProgram, &trayFolder) && FileExists(trayProgram.c_str()))) {
        Tell(IDS_NO_TRAY_PROGRAM);
        trayBox_.SetChecked(false);
        return 0;
    }
    std::vector<PendingRow> rows = list_.Rows();
    if (!pending_.CommitChanges(&rows)) return 0;
    list_.AdoptKeys(rows);
    // The run is the store's now: nothing is left to undo, and an editor still open could only
    // start edits that nothing would settle.
    settled_ = true;
    DropEditor();
    // A tray setting that cannot be written has been told ("Set Registry Error"); the tray program
    // is then left as it is.
    if (store_.WriteDword(store_.KeyPath(), kTrayCheckValue, trayWanted ? 1 : 0)) {
        if (trayWanted) {
            // The tray program refuses a second instance by itself.
            ShellStart(Handle(), nullptr, trayProgram.c_str(), nullptr, trayFolder.c_str(), SW_SHOWNORMAL);
        } else if (HWND tray = ::FindWindowA(nullptr, kTrayWindowTitle)) {
            ::PostMessageA(tray, UWM_TRAY_EXIT, 0, 0);
        }
    }
    FinishIndex();
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return 0;
}

LRESULT CTallysetDlg::OnCancelButton(const fw::Msg&) {
    CancelRun();
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return 0;
}

// Every close ends here: the title bar, Alt+F4, and what OK and Cancel post. The default
// handling turns it into IDCANCEL, the Cancel path, which ends the dialog.
LRESULT CTallysetDlg::OnClose(const fw::Msg&) {
    DropEditor();
    RemoveIndexFile();
    return Default();
}

void CTallysetDlg::CancelRun() {
    if (settled_) {
        RemoveIndexFile();
        return;
    }
    pending_.RollbackChanges();
    FinishIndex();
}

void CTallysetDlg::FinishIndex() {
    if (!indexFilePath_[0]) return;
    store_.RebuildOrderIndex(indexFilePath_);
    store_.RebuildCheckIndex(indexFilePath_);
    RemoveIndexFile();
}

void CTallysetDlg::RemoveIndexFile() const {
    if (indexFilePath_[0]) ::DeleteFileA(indexFilePath_);
}
