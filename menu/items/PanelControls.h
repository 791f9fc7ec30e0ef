#pragma once
// The panel's buttons as the code names them. The numbers themselves are the template's
// (resource.h, read by the resource compiler too); every other file takes them from here.
#include "resource.h"

namespace panel {

constexpr int kUpId = IDC_PANEL_UP;           // previous page
constexpr int kFirstItemId = IDC_PANEL_ITEM1;  // item buttons 2001-2008, top to bottom
constexpr int kLastItemId = IDC_PANEL_ITEM8;
constexpr int kDownId = IDC_PANEL_DOWN;  // next page
constexpr int kCloseId = IDC_PANEL_CLOSE;
// The selection after a page up: no button, until the pointer reports again.
constexpr int kNoSelectionId = IDC_PANEL_DOWN + 1;

// The UP arrow, the eight items and the DOWN arrow (index = id - kUpId); the close button is apart.
constexpr int kButtonCount = kDownId - kUpId + 1;
constexpr int kItemsPerPage = kLastItemId - kFirstItemId + 1;

// The fixed labels by which the arrows and the close button choose their pictures.
constexpr char kUpLabel[] = "UP__";
constexpr char kDownLabel[] = "DOWN__";
constexpr char kCloseLabel[] = "CLOSE";

}  // namespace panel
