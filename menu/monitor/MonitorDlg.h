#pragma once
// The display-output dialog: a small skinned box over the hidden panel in which the user sends the
// picture to the built-in panel, an external monitor or both. Three tiles and a close button
// (ImgBtn), driven by pointer or keys. A choice writes one word to the firmware, asks the panel to
// put its pointer and focus back, and ends the dialog; the close action ends it without either.
//
// The panel runs it as its sub-dialog: hidden meanwhile, the panel takes its keyboard back when
// Run returns, and ends the dialog through Close when the panel itself is closed.
#include <windows.h>

#include "Dialog.h"
#include "Handles.h"
#include "ImgBtn.h"
#include "MessageMap.h"
#include "MonitorRules.h"
#include "PictureCache.h"
#include "SubDialog.h"
#include "WAcpi.h"

// One run per object.
class CMonitorDlg : public fw::Dialog, public ISubDialog {
public:
    CMonitorDlg();
    ~CMonitorDlg() override;

    // Modal over `panel`: IDOK after a choice, IDCANCEL after the close action.
    INT_PTR Run(HWND panel) override;
    // The close action, as a close of the panel asks for it.
    void Close() override { CloseAction(); }

    // The close action: what Escape, the close button and a close from outside (WM_CLOSE) do.
    void CloseAction();

    // The keyboard selection: a tile (0-2), or monitor::kNoTile while the pointer is over none.
    int selectedTile = 0;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void LoadPictures();
    void PlaceWindow();
    void LoadButtons();
    void SelectTile(int tile);
    void Choose(int tile);
    void Finish();

    LRESULT OnPaint(const fw::Msg& m);
    LRESULT OnEraseBkgnd(const fw::Msg& m);
    LRESULT OnQueryDragIcon(const fw::Msg& m);
    LRESULT OnTileCommand(const fw::Msg& m);
    LRESULT OnCloseCommand(const fw::Msg& m);
    LRESULT OnLButtonDown(const fw::Msg& m);
    LRESULT OnMonitorHover(const fw::Msg& m);
    LRESULT OnClose(const fw::Msg& m);

    void Paint(HDC dc);

    // Every picture of the dialog and its buttons, decoded once; before the buttons, which borrow
    // it.
    CPictureCache pictures_;
    ImgBtn tiles_[monitor::kTileCount];
    ImgBtn close_;
    fw::Font captionFont_;
    const CDecodedPicture* background_ = nullptr;  // null when it cannot be decoded
    HICON icon_ = nullptr;                         // a shared resource icon: never destroyed
    bool korean_ = false;
    CWAcpi acpi_;
    bool finished_ = false;

    static const fw::MessageMapEntry<CMonitorDlg> kMap[];
};
