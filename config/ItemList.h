#pragma once
// The settings dialog's list of items: the rows (each with its item's key, name, path and whether
// it is built in) and the list view that shows them, kept in step. The list view owns what the
// user changes in place, the check boxes and the selection; everything else lives in the rows.
#include <windows.h>

#include <string>
#include <vector>

#include "ListView.h"
#include "PendingChanges.h"

class CItemList {
public:
    // The list view of the dialog; the extended styles and the two columns are set up here.
    void Attach(HWND listView, const char* nameHeading, const char* pathHeading);
    HWND Handle() const { return view_.Handle(); }

    // Replaces every row, in this order, each checked as its item is.
    void Fill(std::vector<PendingRow> rows);
    int Count() const { return static_cast<int>(rows_.size()); }
    // Row `index` (its check box as the list shows it); the row must exist.
    PendingRow Row(int index) const;
    // Every row in list order, check boxes as the list shows them.
    std::vector<PendingRow> Rows() const;
    // The row of the item under `keyName`, or -1.
    int FindKey(const std::string& keyName) const;

    // The selected row, or -1.
    int Selected() const { return view_.Selected(); }
    // Makes `index` the selected and focused row and gives the list the focus.
    void Select(int index) const;

    // A row at the end, checked as `row` says.
    void Append(const PendingRow& row);
    void SetTexts(int index, const std::string& name, const std::string& path);
    void Remove(int index);
    // Rows `a` and `b` change places, each with its texts, its check box and its item.
    void Swap(int a, int b);
    // Takes the key names a commit gave the rows (same rows, same order).
    void AdoptKeys(const std::vector<PendingRow>& rows);

private:
    void Show(int index);

    fw::ListView view_;
    std::vector<PendingRow> rows_;
};
