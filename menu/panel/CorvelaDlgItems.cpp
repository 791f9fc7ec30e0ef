// The panel's side of its items: a press on an item button, the display-output dialog, and what
// the item pages do to the window's buttons and pointer.
#include "CorvelaDlg.h"

#include "MonitorDlg.h"
#include "picture_ids.h"

void CCorvelaDlg::PressItem(int id) {
    CHotspotBtn* button = Button(id);
    // A command for a button that is not on the screen (posted from outside) presses nothing.
    if (!button || !ControlShown(id)) return;
    // Every press closes the menu, except the display output, after which the panel stays.
    if (!items_.PressItem(button->GetLabel(), Handle())) ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

// Command 2007.
int CCorvelaDlg::ShowDisplayOutputDialog() {
    CMonitorDlg dialog;
    return RunSubDialog(dialog);
}

// The panel hides while the dialog runs and comes back after it, unless it was closed meanwhile:
// then nothing of it shows again and the modal run ends once the dialog has.
int CCorvelaDlg::RunSubDialog(ISubDialog& dialog) {
    // The flag goes up before the panel hides: hiding takes the activation away, and a panel
    // that loses it while no sub-dialog runs closes itself.
    subDialogOpen_ = true;
    subDialog_ = &dialog;
    ::ShowWindow(Handle(), SW_HIDE);
    dialog.Run(Handle());
    subDialog_ = nullptr;
    subDialogOpen_ = false;
    if (closing_ || !Handle()) return 1;
    // The pressed item must not come back pressed. Back in its place and active again, so that
    // leaving it closes it as before.
    ResetButtonStates();
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    return 1;
}

void CCorvelaDlg::ShowControl(int id, bool show) { ::ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }

void CCorvelaDlg::RepaintControl(int id) { ::InvalidateRect(Item(id), nullptr, TRUE); }

void CCorvelaDlg::RepaintPanel() { ::InvalidateRect(Handle(), nullptr, TRUE); }

void CCorvelaDlg::SetStateLabel(int id, const char* name) {
    if (CHotspotBtn* b = Button(id)) {
        b->label = name;
        b->LoadStateImages(name);
    }
}

void CCorvelaDlg::SetItemLabel(int id, const char* label) {
    if (CHotspotBtn* b = Button(id)) {
        b->LoadItemIcon(label);
        b->label = label;
        b->SetText(label);
    }
}

void CCorvelaDlg::GiveHighlight(int id) {
    if (CHotspotBtn* b = Button(id)) b->SetHighlight(pictures_.Get(IDB_HIGHLIGHT));
}

void CCorvelaDlg::MovePointerTo(int entry, bool hitTest) {
    POINT at;
    if (!panel::PointerSpot(buttonRects_, entry, &at)) return;
    ::ClientToScreen(Handle(), &at);
    ::SetCursorPos(at.x, at.y);
    if (hitTest) HitTestButtons(at);
}

void CCorvelaDlg::ResetButtonStates() {
    for (int id = panel::kUpId; id <= panel::kDownId; ++id) {
        if (CHotspotBtn* b = Button(id)) b->SetButtonState(CHotspotBtn::ButtonState::kNormal);
    }
}
