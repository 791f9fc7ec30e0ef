// The panel's side of the item list: which labels the buttons carry and what a press does.
// Until the item pages and the dispatch are in, the first page is labelled straight from the
// index file and a press only closes the panel.
#include "CorvelaDlg.h"
#include "IndexFile.h"

namespace {
const char kUpLabel[] = "UP__";
const char kDownLabel[] = "DOWN__";
const char kCloseLabel[] = "CLOSE";
}  // namespace

void CCorvelaDlg::ShowFirstPage(bool) {
    const int count = CheckedCount();
    ::ShowWindow(Item(panel::kDownId), SW_HIDE);
    ::ShowWindow(Item(panel::kUpId), SW_HIDE);
    const struct {
        int id;
        const char* label;
    } fixed[] = {{panel::kUpId, kUpLabel}, {panel::kDownId, kDownLabel}, {panel::kCloseId, kCloseLabel}};
    for (const auto& f : fixed) {
        CHotspotBtn* b = Button(f.id);
        b->label = f.label;
        b->LoadStateImages(f.label);
    }
    const CIndexFile index(IndexFilePath());
    for (int n = 1; n <= panel::kItemsPerPage && n - 1 <= count; ++n) {
        char label[kTextCap] = {};
        index.ReadEntry(kCheckSection, static_cast<DWORD>(n), label, sizeof(label));
        CHotspotBtn* b = Button(panel::kUpId + n);
        b->SetHighlightStream(HighlightStream());
        b->LoadItemIcon(label);
        b->label = label;
        b->SetText(label);
    }
    if (count > panel::kItemsPerPage) {
        downShown = 1;
        ::ShowWindow(Item(panel::kDownId), SW_SHOW);
    }
    for (int id = panel::kFirstItemId + count; id <= panel::kLastItemId; ++id) {
        ::ShowWindow(Item(id), SW_HIDE);
        ::InvalidateRect(Item(id), nullptr, TRUE);
    }
}

void CCorvelaDlg::PageDown() {}

void CCorvelaDlg::PageUp() {}

void CCorvelaDlg::PressItem(int) { ::PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void CCorvelaDlg::SyncRadioCaptions() {}

void CCorvelaDlg::ResetRadioCaptions() {}
