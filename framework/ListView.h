#pragma once
// A list view in report mode, reached by messages: columns, rows with texts, check boxes and a
// number of the caller's per row, and the single selection.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ControlRef.h"

namespace fw {

class ListView : public ControlRef {
public:
    using ControlRef::ControlRef;

    void AddExtendedStyle(DWORD bits) const;
    // Returns the index of the new column, or -1.
    int InsertColumn(int index, const char* heading, int width, int format = LVCFMT_LEFT) const;

    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    // Tells the control how many rows are coming, so that it allocates once for a long fill.
    void Reserve(int rows) const { Send(LVM_SETITEMCOUNT, static_cast<WPARAM>(rows < 0 ? 0 : rows)); }
    // Inserts a row with the text of column 0 and the caller's number `data`; returns its index
    // or -1.
    int InsertRow(int index, const char* text, LPARAM data = 0) const;
    bool SetText(int row, int column, const char* text) const;
    // The whole text of a cell, however long; empty for a row that does not exist.
    std::string Text(int row, int column) const;
    LPARAM Data(int row) const;
    bool SetData(int row, LPARAM data) const;
    bool DeleteRow(int row) const { return Send(LVM_DELETEITEM, static_cast<WPARAM>(row)) != FALSE; }
    void DeleteAll() const { Send(LVM_DELETEALLITEMS); }

    // Check boxes (with the LVS_EX_CHECKBOXES style).
    bool IsChecked(int row) const;
    void SetChecked(int row, bool checked) const;

    // The first selected row, or -1.
    int Selected() const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
    // Makes `row` the selected and focused row and the selection mark, and scrolls it into view.
    void Select(int row) const;

private:
    bool SetState(int row, UINT state, UINT mask) const;
};

}  // namespace fw
