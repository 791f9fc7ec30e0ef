#pragma once
// The display-output dialog: a small skinned box over the hidden panel in which the user sends the
// picture to the built-in panel, an external monitor or both. Three tiles and a close button
// (ImgBtn), driven by pointer or keys. A choice writes one word to the firmware, asks the panel to
// put its pointer and focus back, and ends the dialog; the close action ends it without either.
#include <windows.h>

#include <functional>
#include <memory>

#include "Dialog.h"
#include "Handles.h"
#include "ImgBtn.h"
#include "MessageMap.h"
#include "MonitorRules.h"
#include "PngPicture.h"
#include "WAcpi.h"

class CMonitorDlg : public fw::Dialog {
public:
    // `ended` is told once, when the dialog ends however it ends, before anything is posted to the
    // panel: the panel's keyboard is its own again from then on.
    CMonitorDlg(HWND parent, std::function<void()> ended);
    ~CMonitorDlg() override;

    // The close action: what Escape, the close button and a close from outside (WM_CLOSE) do.
    void CloseAction();
    // The tile chosen (0-2), or monitor::kNoTile while nothing was chosen.
    int ChosenTile() const { return chosenTile_; }

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

    ImgBtn tiles_[monitor::kTileCount];
    ImgBtn close_;
    fw::Font captionFont_;
    std::unique_ptr<CPngPicture> background_;  // decoded once, drawn at every paint
    HICON icon_ = nullptr;                     // a shared resource icon: never destroyed
    bool korean_ = false;
    CWAcpi acpi;
    int wmiConnected = 0;
    std::function<void()> ended_;
    bool finished_ = false;
    int chosenTile_ = monitor::kNoTile;

    static const fw::MessageMapEntry<CMonitorDlg> kMap[];
};

// How a run of the dialog ended.
enum class MonitorOutcome { Chosen, Closed };

// Runs the dialog modally over `panel` (hidden meanwhile by the caller); `ended` as for
// CMonitorDlg. A dialog that cannot be made counts as closed, and `ended` is told all the same.
MonitorOutcome RunMonitorDialog(HWND panel, std::function<void()> ended);
