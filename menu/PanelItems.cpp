#include "PanelItems.h"

#include "CorvelaDlg.h"
#include "MonitorPlaceholderDlg.h"

CPanelItems::CPanelItems(CCorvelaDlg& dlg, CWAcpi& acpi, CMenuItemStore& store, const IRightsProbe& rights,
                         IPowerControl& power)
    : dlg_(dlg),
      texts_(ItemTexts::Load()),
      pages_(texts_, rights),
      launcher_(texts_, rights, LaunchPlaces::OfSystem()),
      device_(acpi, texts_, store, power, launcher_.Places().programFolder),
      actions_(device_, launcher_, [this] { return ShowDisplayOutputDialog(); }),
      dispatch_(store, texts_, rights, actions_) {
    pages_.SetPanel(this);
}

void CPanelItems::CopyFields() {
    const items::PageFields& f = pages_.Fields();
    dlg_.page = f.page;
    dlg_.upShown = f.upShown;
    dlg_.downShown = f.downShown;
    dlg_.lastPageCount = f.lastPageCount;
}

void CPanelItems::SetOwners() {
    device_.SetOwner(dlg_.Handle());
    launcher_.SetOwner(dlg_.Handle());
    dispatch_.SetOwner(dlg_.Handle());
}

void CPanelItems::ShowFirstPage(bool administrator) {
    pages_.SetIndexFile(dlg_.IndexFilePath());
    pages_.ShowFirstPage(administrator);
    CopyFields();
}

void CPanelItems::PageDown() {
    pages_.PageDown();
    CopyFields();
}

void CPanelItems::PageUp() {
    pages_.PageUp();
    CopyFields();
}

void CPanelItems::PressItem(int id) {
    CHotspotBtn* button = dlg_.Button(id);
    if (!button) return;
    SetOwners();
    const std::string label = button->GetLabel();
    if (dispatch_.RunItemByLabel(label.c_str()) != kRanDisplayOutput)
        ::PostMessageA(dlg_.Handle(), WM_CLOSE, 0, 0);
}

int CPanelItems::ShowDisplayOutputDialog() {
    HWND panel = dlg_.Handle();
    // The flag goes up before the panel hides: hiding takes the activation away, and a panel
    // that loses it while no sub-dialog runs closes itself.
    dlg_.subDialogOpen = 1;
    ::ShowWindow(panel, SW_HIDE);
    RunMonitorPlaceholder(panel, dlg_.subDialogOpen);
    // Back in its place and active again, so that leaving it closes it as before.
    if (::IsWindow(panel)) {
        ::ShowWindow(panel, SW_SHOW);
        ::SetForegroundWindow(panel);
    }
    return 1;
}

void CPanelItems::ShowControl(int id, bool show) { ::ShowWindow(dlg_.Item(id), show ? SW_SHOW : SW_HIDE); }

void CPanelItems::RepaintControl(int id) { ::InvalidateRect(dlg_.Item(id), nullptr, TRUE); }

void CPanelItems::RepaintPanel() { ::InvalidateRect(dlg_.Handle(), nullptr, TRUE); }

void CPanelItems::SetStateLabel(int id, const char* name) {
    if (CHotspotBtn* b = dlg_.Button(id)) {
        b->label = name;
        b->LoadStateImages(name);
    }
}

void CPanelItems::SetItemLabel(int id, const char* label) {
    if (CHotspotBtn* b = dlg_.Button(id)) {
        b->LoadItemIcon(label);
        b->label = label;
        b->SetText(label);
    }
}

void CPanelItems::GiveHighlight(int id) {
    if (CHotspotBtn* b = dlg_.Button(id)) b->SetHighlightStream(dlg_.HighlightStream());
}

void CPanelItems::MovePointerTo(int entry, bool hitTest) {
    POINT at;
    if (!panel::PointerSpot(dlg_.buttonRects, entry, &at)) return;
    ::ClientToScreen(dlg_.Handle(), &at);
    ::SetCursorPos(at.x, at.y);
    if (hitTest) dlg_.HitTestButtons(at);
}

void CPanelItems::SetSelectedId(int id) { dlg_.selectedId = id; }
