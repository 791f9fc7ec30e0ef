#include "ListView.h"

#include <vector>

namespace fw {

void ListView::AddExtendedStyle(DWORD bits) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, bits, bits); }

int ListView::InsertColumn(int index, const char* heading, int width, int format) const {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading ? heading : "");
    column.iSubItem = index;
    return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int ListView::InsertRow(int index, const char* text, LPARAM data) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(text ? text : "");
    item.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::SetText(int row, int column, const char* text) const {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text ? text : "");
    return Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

std::string ListView::Text(int row, int column) const {
    if (row < 0 || row >= Count()) return std::string();
    // The control copies at most the buffer less one and says how much it copied: a copy that
    // fills the buffer may have been cut, so ask again with more room.
    for (size_t cap = 264; cap <= (1u << 20); cap *= 4) {
        std::vector<char> buffer(cap, '\0');
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(cap);
        const LRESULT copied = Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (copied < 0) return std::string();
        if (static_cast<size_t>(copied) < cap - 1) return std::string(buffer.data(), static_cast<size_t>(copied));
    }
    return std::string();
}

LPARAM ListView::Data(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
    return item.lParam;
}

bool ListView::SetData(int row, LPARAM data) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = data;
    return Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

bool ListView::IsChecked(int row) const {
    const UINT state = static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;  // image 1 unchecked, 2 checked
}

void ListView::SetChecked(int row, bool checked) const {
    SetState(row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

void ListView::Select(int row) const {
    Send(LVM_SETSELECTIONMARK, 0, row);
    SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

bool ListView::SetState(int row, UINT state, UINT mask) const {
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    return Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)) != FALSE;
}

}  // namespace fw
