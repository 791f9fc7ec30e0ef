#include "ItemList.h"

#include <utility>

namespace {
const int kColumnWidth = 150;
}

void CItemList::Attach(HWND listView, const char* nameHeading, const char* pathHeading) {
    view_ = fw::ListView(listView);
    view_.AddExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    view_.InsertColumn(0, nameHeading, kColumnWidth);
    view_.InsertColumn(1, pathHeading, kColumnWidth, LVCFMT_CENTER);
}

void CItemList::Fill(std::vector<PendingRow> rows) {
    rows_ = std::move(rows);
    // One repaint for the whole list, however long.
    view_.SetRedraw(false);
    view_.DeleteAll();
    view_.Reserve(Count());
    for (int i = 0; i < Count(); ++i) {
        const PendingRow& row = rows_[static_cast<std::size_t>(i)];
        view_.InsertRow(i, row.name.c_str());
        view_.SetText(i, 1, row.path.c_str());
        // A row comes in unchecked (the list view sees to that whatever it is given).
        if (row.checked) view_.SetChecked(i, true);
    }
    view_.SetRedraw(true);
}

PendingRow CItemList::Row(int index) const {
    PendingRow row = rows_[static_cast<std::size_t>(index)];
    row.checked = view_.IsChecked(index);
    return row;
}

std::vector<PendingRow> CItemList::Rows() const {
    std::vector<PendingRow> rows;
    rows.reserve(rows_.size());
    for (int i = 0; i < Count(); ++i) rows.push_back(Row(i));
    return rows;
}

int CItemList::FindKey(const std::string& keyName) const {
    if (keyName.empty()) return -1;
    for (int i = 0; i < Count(); ++i) {
        // Keys change only at a commit, which renames them exactly: compare as stored.
        if (rows_[static_cast<std::size_t>(i)].keyName == keyName) return i;
    }
    return -1;
}

void CItemList::Select(int index) const {
    view_.Select(index);
    view_.Focus();
}

void CItemList::Append(const PendingRow& row) {
    rows_.push_back(row);
    const int index = Count() - 1;
    view_.InsertRow(index, row.name.c_str());
    Show(index);
}

void CItemList::SetTexts(int index, const std::string& name, const std::string& path) {
    PendingRow& row = rows_[static_cast<std::size_t>(index)];
    row.name = name;
    row.path = path;
    view_.SetText(index, 0, name.c_str());
    view_.SetText(index, 1, path.c_str());
}

void CItemList::Remove(int index) {
    rows_.erase(rows_.begin() + index);
    view_.DeleteRow(index);
}

void CItemList::Swap(int a, int b) {
    PendingRow first = Row(a);
    PendingRow second = Row(b);
    rows_[static_cast<std::size_t>(a)] = std::move(second);
    rows_[static_cast<std::size_t>(b)] = std::move(first);
    Show(a);
    Show(b);
}

void CItemList::AdoptKeys(const std::vector<PendingRow>& rows) {
    for (std::size_t i = 0; i < rows.size() && i < rows_.size(); ++i) rows_[i].keyName = rows[i].keyName;
}

// Writes row `index` into the list view: both texts and the check box.
void CItemList::Show(int index) {
    const PendingRow& row = rows_[static_cast<std::size_t>(index)];
    view_.SetText(index, 0, row.name.c_str());
    view_.SetText(index, 1, row.path.c_str());
    view_.SetChecked(index, row.checked);
}
