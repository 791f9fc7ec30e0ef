// The settings dialog's rows: add, update, delete, move, the item editor, and the buttons that
// follow the selection.
#include "TallysetDlg.h"

#include <algorithm>

#include "ItemInput.h"
#include "ItemNames.h"
#include "TallysetIds.h"
#include "resource.h"

LRESULT CTallysetDlg::OnAdd(const fw::Msg&) {
    if (settled_) return 0;
    exchange_.itemName.clear();
    exchange_.itemPath.clear();
    OpenEditor(kAddMode);
    return 0;
}

LRESULT CTallysetDlg::OnUpdate(const fw::Msg&) {
    if (settled_) return 0;
    const int selected = list_.Selected();
    if (selected < 0) {
        Tell(IDS_NOTHING_TO_UPDATE);
        return 0;
    }
    const PendingRow row = list_.Row(selected);
    if (row.system) return 0;  // the button is disabled for it; a click that gets here anyway does nothing
    exchange_.editKey = row.keyName;
    exchange_.itemName = row.name;
    exchange_.itemPath = row.path;
    OpenEditor(kUpdateMode);
    return 0;
}

LRESULT CTallysetDlg::OnDelete(const fw::Msg&) {
    if (settled_) return 0;
    const int selected = list_.Selected();
    if (selected < 0) {
        Tell(IDS_NOTHING_SELECTED);
        return 0;
    }
    const PendingRow row = list_.Row(selected);
    if (row.system) return 0;
    // The row goes only when the store has taken the deletion ("Set Registry Error" otherwise).
    if (pending_.MarkItemDeleted(row.keyName.c_str())) list_.Remove(selected);
    RefreshButtons();
    return 0;
}

LRESULT CTallysetDlg::OnMoveUp(const fw::Msg&) {
    Move(-1);
    return 0;
}

LRESULT CTallysetDlg::OnMoveDown(const fw::Msg&) {
    Move(+1);
    return 0;
}

// Moves change only the list; the order reaches the store at OK. At either end the row stays
// where it is and is only selected again.
void CTallysetDlg::Move(int step) {
    if (settled_) return;
    const int selected = list_.Selected();
    if (selected < 0) {
        Tell(IDS_NOTHING_SELECTED);
        return;
    }
    const int target = selected + step;
    if (target < 0 || target >= list_.Count()) {
        list_.Select(selected);
        return;
    }
    list_.Swap(selected, target);
    list_.Select(target);
}

// The editor's checks have passed: a new row at the end, checked, for an item the store made.
LRESULT CTallysetDlg::OnItemAdded(const fw::Msg&) {
    if (settled_) return 0;
    exchange_.itemName = TrimBlanks(exchange_.itemName);
    PendingRow row;
    row.name = exchange_.itemName;
    row.path = exchange_.itemPath;  // as typed
    row.checked = true;
    // A row without an item would stop every later OK: no item, no row.
    if (pending_.AddItem(row.name.c_str(), row.path.c_str(), static_cast<DWORD>(list_.Count() + 1), &row.keyName))
        list_.Append(row);
    return 0;
}

// The editor's checks have passed: the row of the item it was opened on, wherever that row is
// now. A row deleted meanwhile takes the edit with it.
LRESULT CTallysetDlg::OnItemUpdated(const fw::Msg&) {
    if (settled_) return 0;
    exchange_.itemName = TrimBlanks(exchange_.itemName);
    const int index = list_.FindKey(exchange_.editKey);
    if (index >= 0 && !list_.Row(index).system &&
        pending_.UpdateItem(exchange_.editKey.c_str(), exchange_.itemName.c_str(), exchange_.itemPath.c_str()))
        list_.SetTexts(index, exchange_.itemName, exchange_.itemPath);
    exchange_.editKey.clear();
    return 0;
}

LRESULT CTallysetDlg::OnListClick(const fw::Msg&) {
    RefreshButtons();
    return 0;
}

// The key has not moved the selection yet when the list tells of it.
LRESULT CTallysetDlg::OnListKeyDown(const fw::Msg&) {
    ::PostMessageA(Handle(), UWM_REFRESH_BUTTONS, 0, 0);
    return 0;
}

// However the selection changes (a click, a right click, a key, the dialog's own moves), the
// buttons follow it.
LRESULT CTallysetDlg::OnListItemChanged(const fw::Msg& m) {
    const NMLISTVIEW* change = m.NotifyAs<NMLISTVIEW>();
    if (change && (change->uChanged & LVIF_STATE) &&
        ((change->uOldState ^ change->uNewState) & (LVIS_SELECTED | LVIS_FOCUSED)))
        RefreshButtons();
    return 0;
}

LRESULT CTallysetDlg::OnRefreshButtons(const fw::Msg&) {
    RefreshButtons();
    return 0;
}

bool CTallysetDlg::SelectedIsBuiltIn() const {
    const int selected = list_.Selected();
    return selected >= 0 && list_.Row(selected).system;
}

void CTallysetDlg::RefreshButtons() {
    const bool editable = !SelectedIsBuiltIn();
    ::EnableWindow(Item(IDC_DELETE_ITEM), editable ? TRUE : FALSE);
    ::EnableWindow(Item(IDC_UPDATE_ITEM), editable ? TRUE : FALSE);
}

void CTallysetDlg::OpenEditor(EditorMode mode) {
    DropEditor();
    editor_ = std::make_unique<CAdd_UpdateDlg>(mode, exchange_, *this);
    if (!editor_->CreateFor(Handle())) {
        editor_.reset();
        return;
    }
    editor_->CenterOver(Handle());
    ::ShowWindow(editor_->Handle(), SW_SHOW);
}

void CTallysetDlg::DropEditor() {
    retiredEditors_.erase(std::remove_if(retiredEditors_.begin(), retiredEditors_.end(),
                                         [](const std::unique_ptr<CAdd_UpdateDlg>& e) { return !e->Busy(); }),
                          retiredEditors_.end());
    if (!editor_) return;
    if (editor_->Handle()) ::DestroyWindow(editor_->Handle());
    if (editor_->Busy())
        retiredEditors_.push_back(std::move(editor_));
    else
        editor_.reset();
}

bool CTallysetDlg::IsNameTaken(const std::string& name, const std::string& ownKey) const {
    return NameTaken(name, OtherItems(store_, ownKey));
}
