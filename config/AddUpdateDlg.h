#pragma once
// The item editor: a small modeless dialog beside the settings dialog in which the user types, or
// picks with the file dialog, the display name and the file of an item, new (add mode) or the
// selected row's (update mode). It checks the fields and tells its owner by a posted message; it
// never touches the store. Cancel, Escape and the title bar's close only hide it.
#include <windows.h>

#include <string>

#include "Dialog.h"
#include "EditBox.h"
#include "ItemExchange.h"
#include "MessageMap.h"

enum EditorMode { kUpdateMode = 0, kAddMode = 1 };

// The owner's answer to whether a name is another item's.
class IItemNameCheck {
public:
    virtual ~IItemNameCheck() = default;
    // `name` trimmed as it would be stored; `ownKey` the key of the item being edited (empty
    // when adding), whose own name is no clash.
    virtual bool IsNameTaken(const std::string& name, const std::string& ownKey) const = 0;
};

class CAdd_UpdateDlg : public fw::Dialog {
public:
    // Reads and writes `exchange`; asks `names` before it confirms.
    CAdd_UpdateDlg(EditorMode mode, ItemExchange& exchange, const IItemNameCheck& names);

    // Makes the hidden editor, owned by `owner`, to which it posts its confirmation.
    bool CreateFor(HWND owner);
    // While a message box or the file dialog of the editor runs: the object must outlive it.
    bool Busy() const { return busy_ > 0; }

protected:
    bool OnInitDialog() override;
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;
    void OnOK() override;

private:
    LRESULT OnSearch(const fw::Msg& m);
    // Shows string `id` as the editor's message; false when the editor was destroyed meanwhile.
    bool Tell(UINT id);

    EditorMode mode_;
    ItemExchange& exchange_;
    const IItemNameCheck& names_;
    HWND owner_ = nullptr;
    fw::EditBox nameEdit_;
    fw::EditBox pathEdit_;
    int busy_ = 0;

    static const fw::MessageMapEntry<CAdd_UpdateDlg> kMap[];
};
