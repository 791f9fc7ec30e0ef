#pragma once
// The menu panel: a skinned, borderless strip at the right edge of the screen with a close button,
// the UP and DOWN arrows and eight item buttons. It is run modally by the application object and
// closes after a press or as soon as it loses the activation.
//
// This class owns the window (shape, placement, stacking, painting, selection, keyboard, close)
// and routes, in its one message map, to the item pages and the item dispatch.
#include <windows.h>

#include "Dialog.h"
#include "HotspotBtn.h"
#include "MenuItemStore.h"
#include "MessageMap.h"
#include "PanelGeometry.h"
#include "PanelItems.h"
#include "PictureCache.h"
#include "RightsProbe.h"
#include "SubDialog.h"
#include "SuiteContract.h"
#include "Text.h"
#include "WAcpi.h"

constexpr UINT_PTR kFirstShowTimer = 2024;
constexpr UINT kFirstShowDelayMs = 50;

class CCorvelaDlg : public fw::Dialog, private IItemPanel {
public:
    using LayeredAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    explicit CCorvelaDlg(HWND parent = nullptr, const IRightsProbe& rights = SystemRightsProbe());
    ~CCorvelaDlg() override;

    // Whether the user belongs to the local Administrators group, asked afresh at each call.
    bool IsAdministrator() const { return rights_.IsAdministrator(); }

    // The panel's position on the screen as it is now (task bar included).
    POINT PlacePanel() const;
    // Control 2000-2009 or 3000; null for any other id.
    CHotspotBtn* Button(int id);
    const char* IndexFilePath() const { return indexFilePath_; }
    bool WmiConnected() const { return acpi_.Connected(); }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool PreTranslateMessage(MSG& msg) override;
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Start-up (CorvelaDlgInit.cpp), in the order it runs.
    LRESULT OnCreate(const fw::Msg& m);
    void LoadPictures();
    void SettleAfterIndex();
    void ShapeWindow();
    void CheckStore();
    void ApplyRights(bool administrator);
    bool PrepareIndexFile();
    void ReportIndexNotWritten();
    void ApplyTrayRule();
    void AbandonStart();

    // Window, selection and stacking (CorvelaDlg.cpp).
    // Fills buttonRects_ and moves the controls to their places.
    void LayoutButtons();
    // Makes the window layered with constant alpha 204; opaque when the system cannot.
    void ApplyPanelAlpha();
    // Index 0-9 of the shown button under `screenPoint`, or panel::kNoButton; selects the button
    // found. A hidden button is never found: it is not on the screen.
    int HitTestButtons(POINT screenPoint);
    // Whether control `id` is shown (its own visibility, whether or not the panel is).
    bool ControlShown(int id) const;
    // Puts the pointer one pixel inside the selected button, selects what lies there and gives the
    // selected button the focus.
    void MovePointerToSelected();
    // Keeps the panel above the other windows (only above the non-topmost ones while a pointer
    // capture tool runs).
    void ApplyStacking();

    // Keyboard (CorvelaDlgKeys.cpp).
    bool HandleKeyDown(UINT key);
    void PressSelectedByKey();

    // Items (CorvelaDlgItems.cpp): a press, the display-output dialog, and what the item pages
    // do to the window (IItemPanel).
    void PressItem(int id);
    int ShowDisplayOutputDialog();
    int RunSubDialog(ISubDialog& dialog);
    void ShowControl(int id, bool show) override;
    void RepaintControl(int id) override;
    void RepaintPanel() override;
    void SetStateLabel(int id, const char* name) override;
    void SetItemLabel(int id, const char* label) override;
    void GiveHighlight(int id) override;
    void MovePointerTo(int entry, bool hitTest) override;
    void SetSelectedId(int id) override { selectedId_ = id; }
    void ResetButtonStates() override;

    // Close: what every way out of the panel does before the window goes.
    void ReleaseResources();

    LRESULT OnTimer(const fw::Msg& m);
    LRESULT OnPaint(const fw::Msg& m);
    LRESULT OnCtlColor(const fw::Msg& m);
    LRESULT OnMouseMove(const fw::Msg& m);
    LRESULT OnLButtonDown(const fw::Msg& m);
    LRESULT OnQueryDragIcon(const fw::Msg& m);
    LRESULT OnActivate(const fw::Msg& m);
    LRESULT OnDisplayChange(const fw::Msg& m);
    LRESULT OnPanelHover(const fw::Msg& m);
    LRESULT OnPanelReselect(const fw::Msg& m);
    LRESULT OnPanelClose(const fw::Msg& m);
    LRESULT OnClose(const fw::Msg& m);
    LRESULT OnCloseButton(const fw::Msg& m);
    LRESULT OnUpCommand(const fw::Msg& m);
    LRESULT OnDownCommand(const fw::Msg& m);
    LRESULT OnItemCommand(const fw::Msg& m);

    const IRightsProbe& rights_;
    CMenuItemStore store_;
    // Firmware connection, released at close.
    CWAcpi acpi_;

    // Selection and window state.
    int selectedId_ = panel::kUpId;  // the button Enter presses
    RECT buttonRects_[panel::kButtonCount] = {};
    bool captureToolPresent_ = false;
    bool subDialogOpen_ = false;       // the display-output dialog runs: the keys are its own
    ISubDialog* subDialog_ = nullptr;  // that dialog, while it runs
    LayeredAttributesProc layeredAttributesProc_ = nullptr;

    // Every picture of the panel and its buttons, decoded once and kept for the run; before the
    // buttons, which borrow it.
    CPictureCache pictures_;
    UINT backgroundId_ = 0;
    CHotspotBtn buttons_[panel::kButtonCount + 1];  // 2000-2009, then 3000
    char indexFilePath_[kTextCap] = {};
    HICON icon_ = nullptr;  // a shared resource icon: never destroyed
    bool closing_ = false;  // the close steps have run: nothing shows again

    // The item pages (the one owner of the page state), the dispatch of a press and the actions
    // behind the items; made last, as they work on the members above.
    CPanelItems items_{*this, [this] { return ShowDisplayOutputDialog(); }, acpi_, store_, rights_};

    static const fw::MessageMapEntry<CCorvelaDlg> kMap[];
};
