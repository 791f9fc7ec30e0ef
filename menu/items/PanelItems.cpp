#include "PanelItems.h"

CPanelItems::CPanelItems(IItemPanel& panel, std::function<int()> displayOutput, CWAcpi& acpi,
                         CMenuItemStore& store, const IRightsProbe& rights, IPowerControl& power)
    : texts_(ItemTexts::Load()),
      pages_(texts_, rights),
      launcher_(texts_, rights, LaunchPlaces::OfSystem()),
      device_(acpi, texts_, store, power, launcher_.Places().programFolder),
      actions_(ItemOperations{device_, launcher_, std::move(displayOutput)}),
      dispatch_(store, texts_, rights, actions_) {
    pages_.SetPanel(&panel);
}

void CPanelItems::ShowFirstPage(const std::string& indexFile, bool administrator) {
    pages_.SetIndexFile(indexFile);
    pages_.ShowFirstPage(administrator);
}

bool CPanelItems::PressItem(const std::string& label, HWND owner) {
    device_.SetOwner(owner);
    launcher_.SetOwner(owner);
    dispatch_.SetOwner(owner);
    return dispatch_.RunItemByLabel(label.c_str()) == kRanDisplayOutput;
}
