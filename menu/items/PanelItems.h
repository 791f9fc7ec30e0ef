#pragma once
// The panel's item collaborators, owned by the panel: the texts of its string table, the item
// pages, the device actions, the program launcher and the dispatch of a press. The panel window
// calls in from its start-up and its message map; the pages act on the window only through
// IItemPanel, and the display-output command runs the function the panel hands in.
#include <windows.h>

#include <functional>
#include <string>

#include "DeviceActions.h"
#include "ItemActions.h"
#include "ItemDispatch.h"
#include "ItemPages.h"
#include "ItemTexts.h"
#include "PowerControl.h"
#include "ProgramLauncher.h"

class CPanelItems {
public:
    // Everything passed in must outlive the items. `displayOutput` runs the display-output
    // dialog; `power` defaults to the system's calls.
    CPanelItems(IItemPanel& panel, std::function<int()> displayOutput, CWAcpi& acpi, CMenuItemStore& store,
                const IRightsProbe& rights, IPowerControl& power = SystemPowerControl());
    CPanelItems(const CPanelItems&) = delete;
    CPanelItems& operator=(const CPanelItems&) = delete;

    // Page 0 of the checked items listed in `indexFile`, labelled for an administrator or not.
    void ShowFirstPage(const std::string& indexFile, bool administrator);
    void PageDown() { pages_.PageDown(); }
    void PageUp() { pages_.PageUp(); }
    const items::PageFields& Pages() const { return pages_.Fields(); }
    // "Check" / "Count" of the index file, read afresh.
    int CheckedCount() const { return pages_.CheckedCount(); }

    // Runs the item whose display name is `label`; its message boxes are modal to `owner`.
    // True when the panel is to stay open (the display output ran).
    bool PressItem(const std::string& label, HWND owner);

    void SyncRadioCaptions() { device_.SyncRadioCaptions(); }
    void ResetRadioCaptions() { device_.ResetRadioCaptions(); }

private:
    ItemTexts texts_;
    CItemPages pages_;
    // The launcher comes first: the device actions start their siblings from its program folder.
    CProgramLauncher launcher_;
    CDeviceActions device_;
    CItemActions actions_;
    CItemDispatch dispatch_;
};
