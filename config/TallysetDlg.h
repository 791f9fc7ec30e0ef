#pragma once
// The settings dialog: every listed item of the store in a list with check boxes, in the order of
// the panel, with buttons to add, update, delete and move items through the item editor, the tray
// icon setting, and OK and Cancel for the whole run.
//
// Every edit reaches the store at once, pending (CPendingChanges): OK makes the store exactly the
// list, Cancel gives it back as the run found it, and every way of closing the dialog that is not a
// successful OK is a Cancel. The list rows remember their items' keys, so an edit always reaches
// the item it was made on.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "AddUpdateDlg.h"
#include "CheckBox.h"
#include "Dialog.h"
#include "ItemExchange.h"
#include "ItemList.h"
#include "MenuItemStore.h"
#include "MessageMap.h"
#include "PendingChanges.h"
#include "StoreNotifier.h"
#include "Text.h"

class CTallysetDlg : public fw::Dialog, public IItemNameCheck {
public:
    explicit CTallysetDlg(ItemExchange& exchange, HWND parent = nullptr);
    ~CTallysetDlg() override;

protected:
    bool OnInitDialog() override;
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;
    // Enter on the list or the check box: nothing. Only the OK button saves.
    void OnOK() override;
    // Escape, and the title bar's close (through WM_CLOSE): the Cancel path, then the end.
    void OnCancel() override;

private:
    // Opening (TallysetDlg.cpp).
    void SetCaptions();
    bool FillList();
    void ReportIndexNotWritten() const;
    std::string OtherLanguageName(const std::string& keyName) const;

    // The rows and the editor (TallysetDlgItems.cpp).
    LRESULT OnAdd(const fw::Msg& m);
    LRESULT OnUpdate(const fw::Msg& m);
    LRESULT OnDelete(const fw::Msg& m);
    LRESULT OnMoveUp(const fw::Msg& m);
    LRESULT OnMoveDown(const fw::Msg& m);
    LRESULT OnItemAdded(const fw::Msg& m);
    LRESULT OnItemUpdated(const fw::Msg& m);
    LRESULT OnListClick(const fw::Msg& m);
    LRESULT OnListKeyDown(const fw::Msg& m);
    LRESULT OnListItemChanged(const fw::Msg& m);
    LRESULT OnRefreshButtons(const fw::Msg& m);
    void Move(int step);
    // Built-in items can be checked, unchecked and moved, never edited or deleted.
    void RefreshButtons();
    bool SelectedIsBuiltIn() const;
    void OpenEditor(EditorMode mode);
    // Closes the open editor. One that is showing a message or the file dialog is only
    // destroyed now; its object goes once that has returned.
    void DropEditor();
    bool IsNameTaken(const std::string& name, const std::string& ownKey) const override;

    // OK and the ways out (TallysetDlgOk.cpp).
    LRESULT OnOkButton(const fw::Msg& m);
    LRESULT OnCancelButton(const fw::Msg& m);
    LRESULT OnClose(const fw::Msg& m);
    // Gives the store back as the run found it, then the index as the panel expects it; after a
    // successful OK only the index file goes.
    void CancelRun();
    void FinishIndex();
    void RemoveIndexFile() const;

    LRESULT OnPaint(const fw::Msg& m);
    LRESULT OnQueryDragIcon(const fw::Msg& m);
    void Tell(UINT stringId) const;

    ItemExchange& exchange_;
    // "Set Registry Error" from the store, modal to the dialog once it exists.
    CMessageBoxNotifier notifier_;
    CMenuItemStore store_;
    CPendingChanges pending_{store_};
    CItemList list_;
    fw::CheckBox trayBox_;
    std::unique_ptr<CAdd_UpdateDlg> editor_;
    std::vector<std::unique_ptr<CAdd_UpdateDlg>> retiredEditors_;
    HICON icon_ = nullptr;  // a shared resource icon: never destroyed
    char indexFilePath_[kTextCap] = {};
    // A successful OK has settled the run: the close path has nothing left to undo, and nothing
    // may be edited any more.
    bool settled_ = false;

    static const fw::MessageMapEntry<CTallysetDlg> kMap[];
};
