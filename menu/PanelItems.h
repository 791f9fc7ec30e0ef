#pragma once
// The panel's item collaborators, owned by the panel: the texts of its string table, the item
// pages, the device actions, the program launcher and the dispatch of a press. The panel window
// calls in from its start-up and its message map; the pages act on the window through
// IItemPanel, implemented here on the panel's buttons.
#include <windows.h>

#include "DeviceActions.h"
#include "ItemActions.h"
#include "ItemDispatch.h"
#include "ItemPages.h"
#include "ItemTexts.h"
#include "PowerControl.h"
#include "ProgramLauncher.h"

class CCorvelaDlg;

class CPanelItems : private IItemPanel {
public:
    // `power` defaults to the system's calls; a test passes a recording one.
    CPanelItems(CCorvelaDlg& dlg, CWAcpi& acpi, CMenuItemStore& store, const IRightsProbe& rights,
                IPowerControl& power = SystemPowerControl());
    CPanelItems(const CPanelItems&) = delete;
    CPanelItems& operator=(const CPanelItems&) = delete;

    void ShowFirstPage(bool administrator);
    void PageDown();
    void PageUp();
    // Runs the item of the pressed button (2001-2008) and closes the panel unless the item was
    // the display output.
    void PressItem(int id);
    void SyncRadioCaptions() { device_.SyncRadioCaptions(); }
    void ResetRadioCaptions() { device_.ResetRadioCaptions(); }

    // Command 2007: the panel hides while the display-output dialog runs and comes back after it.
    int ShowDisplayOutputDialog();

private:
    void CopyFields();
    void SetOwners();

    // IItemPanel
    void ShowControl(int id, bool show) override;
    void RepaintControl(int id) override;
    void RepaintPanel() override;
    void SetStateLabel(int id, const char* name) override;
    void SetItemLabel(int id, const char* label) override;
    void GiveHighlight(int id) override;
    void MovePointerTo(int entry, bool hitTest) override;
    void SetSelectedId(int id) override;

    CCorvelaDlg& dlg_;
    ItemTexts texts_;
    CItemPages pages_;
    // The launcher comes first: the device actions start their siblings from its program folder.
    CProgramLauncher launcher_;
    CDeviceActions device_;
    CItemActions actions_;
    CItemDispatch dispatch_;
};
