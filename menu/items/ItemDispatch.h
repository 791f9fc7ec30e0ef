#pragma once
// What a press on an item button does: the button carries only its label, so the item is found
// again in the store by comparing the label with the display names, byte for byte, and then run:
// a built-in item by its command number, a user's item by its path.
#include <windows.h>

#include "ItemActions.h"
#include "ItemTexts.h"
#include "MenuItemStore.h"
#include "RightsProbe.h"

// RunItemByLabel results.
constexpr int kRanDisplayOutput = 1;  // the panel stays open
constexpr int kStoreUnavailable = 0;
constexpr int kRanOther = -1;  // also: nothing matched

class CItemDispatch {
public:
    // Everything passed in must outlive the dispatch.
    CItemDispatch(const CMenuItemStore& store, const ItemTexts& texts, const IRightsProbe& rights,
                  IItemActions& actions)
        : store_(store), texts_(texts), rights_(rights), actions_(actions) {}

    // Window the message boxes are modal to.
    void SetOwner(HWND owner) { owner_ = owner; }

    // The first item key in enumeration order whose display name equals `label` is run.
    // kRanDisplayOutput when that was built-in command 2007; kStoreUnavailable when the store key
    // cannot be opened; kRanOther otherwise, also when no item matched.
    int RunItemByLabel(const char* label);
    // Runs built-in command `number` (2001-2014); any other number runs nothing. Returns what
    // the operation returned, or 0.
    int RunSystemCommand(DWORD number);

private:
    void StartUserItem(const char* itemPath);

    const CMenuItemStore& store_;
    const ItemTexts& texts_;
    const IRightsProbe& rights_;
    IItemActions& actions_;
    HWND owner_ = nullptr;
};
