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
#include "PanelWindow.h"
#include "PngResource.h"
#include "RightsProbe.h"
#include "Text.h"
#include "WAcpi.h"

constexpr UINT_PTR kFirstShowTimer = 2024;
constexpr UINT kFirstShowDelayMs = 50;

class CCorvelaDlg : public fw::Dialog {
public:
    using LayeredAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    explicit CCorvelaDlg(HWND parent = nullptr, const IRightsProbe& rights = SystemRightsProbe());
    ~CCorvelaDlg() override;

    // Whether the user belongs to the local Administrators group, asked afresh at each call.
    bool IsAdministrator() const { return rights_.IsAdministrator(); }

    // The panel's position on the screen as it is now (task bar included).
    POINT PlacePanel() const;
    // Fills buttonRects and moves the controls to their places.
    void LayoutButtons();
    // Makes the window layered with constant alpha 204; opaque when the system cannot.
    void ApplyPanelAlpha();
    // Index 0-9 of the button under `screenPoint`, or panel::kNoButton; selects the button found.
    int HitTestButtons(POINT screenPoint);
    // Puts the pointer one pixel inside the selected button, selects what lies there and gives the
    // selected button the focus.
    void MovePointerToSelected();
    // Puts the pointer one pixel inside button `index` (0-9) and selects what lies there.
    void MovePointerToButton(int index);
    // Keeps the panel above the other windows (only above the non-topmost ones while a pointer
    // capture tool runs).
    void ApplyStacking();

    // Control 2000-2009 or 3000; null for any other id.
    CHotspotBtn* Button(int id);
    IStream* HighlightStream() const { return highlightStream.Stream(); }
    const char* IndexFilePath() const { return indexFilePath; }
    CMenuItemStore& Store() { return store_; }

    // The item collaborators, reached from the start-up and the message map only
    // (CorvelaDlgItems.cpp): pages of items, the press of item button `id` (2001-2008) and the
    // radio captions in the store.
    void ShowFirstPage(bool administrator);
    void PageDown();
    void PageUp();
    void PressItem(int id);
    void SyncRadioCaptions();
    void ResetRadioCaptions();
    // Number of checked items in the index file, read afresh.
    int CheckedCount() const;

    // Selection and window state.
    int selectedId = panel::kUpId;
    RECT buttonRects[panel::kButtonCount] = {};
    int captureToolPresent = 0;
    int subDialogOpen = 0;
    LayeredAttributesProc layeredAttributesProc = nullptr;
    // Page state.
    int page = 0;
    int upShown = 0;
    int downShown = 0;
    int lastPageCount = 0;
    // Firmware connection, released at close.
    CWAcpi acpi;
    int wmiConnected = 0;

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
    void ShapeWindow();
    void CheckStore();
    void ApplyRights(bool administrator);
    void PrepareIndexFile();
    void ApplyTrayRule();
    void AbandonStart();

    // Keyboard (CorvelaDlgKeys.cpp).
    bool HandleKeyDown(UINT key);
    void PressSelectedByKey();

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
    CHotspotBtn buttons_[panel::kButtonCount + 1];  // 2000-2009, then 3000
    CPngResource backgroundStream;
    CPngResource highlightStream;
    char indexFilePath[kTextCap] = {};
    HICON icon_ = nullptr;  // a shared resource icon: never destroyed
    bool resourcesReleased_ = false;

    // The item pages, the dispatch of a press and the actions behind the items; made last, as it
    // works on the members above.
    CPanelItems items_{*this, acpi, store_, rights_};

    static const fw::MessageMapEntry<CCorvelaDlg> kMap[];
};
