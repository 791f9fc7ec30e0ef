// The panel's side of the item list: the pages, the press of an item button and the radio
// captions, all carried out by the panel's item collaborators (PanelItems.h).
#include "CorvelaDlg.h"

void CCorvelaDlg::ShowFirstPage(bool administrator) { items_.ShowFirstPage(administrator); }

void CCorvelaDlg::PageDown() { items_.PageDown(); }

void CCorvelaDlg::PageUp() { items_.PageUp(); }

void CCorvelaDlg::PressItem(int id) { items_.PressItem(id); }

void CCorvelaDlg::SyncRadioCaptions() { items_.SyncRadioCaptions(); }

void CCorvelaDlg::ResetRadioCaptions() { items_.ResetRadioCaptions(); }
