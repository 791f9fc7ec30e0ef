// The panel's side of its items: a press on an item button, the display-output dialog, and what
// the item pages do to the window's buttons and pointer.
#include "CorvelaDlg.h"

#include "MonitorPlaceholderDlg.h"

void CCorvelaDlg::PressItem(int id) {
    CHotspotBtn* button = Button(id);
    if (!button) return;
    // Every press closes the menu, except the display output, after which the panel stays.
    if (!items_.PressItem(button->GetLabel(), Handle())) ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

// Command 2007: the panel hides while the display-output dialog runs and comes back after it.
int CCorvelaDlg::ShowDisplayOutputDialog() {
    HWND panel = Handle();
    // The flag goes up before the panel hides: hiding takes the activation away, and a panel
    // that loses it while no sub-dialog runs closes itself.
    subDialogOpen_ = 1;
    ::ShowWindow(panel, SW_HIDE);
    RunMonitorPlaceholder(panel, subDialogOpen_);
    // Back in its place and active again, so that leaving it closes it as before.
    if (::IsWindow(panel)) {
        ::ShowWindow(panel, SW_SHOW);
        ::SetForegroundWindow(panel);
    }
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
    if (CHotspotBtn* b = Button(id)) b->SetHighlightStream(highlightStream_.Stream());
}

void CCorvelaDlg::MovePointerTo(int entry, bool hitTest) {
    POINT at;
    if (!panel::PointerSpot(buttonRects_, entry, &at)) return;
    ::ClientToScreen(Handle(), &at);
    ::SetCursorPos(at.x, at.y);
    if (hitTest) HitTestButtons(at);
}
