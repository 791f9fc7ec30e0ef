#pragma once
// The tray program's About box: modeless, at most one at a time (the frame replaces an open one).
// Its texts come from the string table of the user interface language.
#include "Dialog.h"
#include "MessageMap.h"

class CAboutDlg : public fw::Dialog {
public:
    CAboutDlg();
    // Shows the box in the middle of the work area: its owner, the frame, is never visible.
    void ShowCentred();

protected:
    bool OnInitDialog() override;
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;

private:
    LRESULT OnOkButton(const fw::Msg& m);
    static const fw::MessageMapEntry<CAboutDlg> kMap[];
};
