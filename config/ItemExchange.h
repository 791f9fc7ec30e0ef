#pragma once
// What the settings dialog and its item editor hand each other: the editor shows and confirms an
// item's name and path here; the dialog reads them when the editor's confirmation arrives.
#include <string>

struct ItemExchange {
    std::string itemName;  // display name shown in, or confirmed by, the editor (as typed)
    std::string itemPath;  // file shown in, or confirmed by, the editor (as typed)
    // The key of the item being updated, from the start of an update until the editor confirms
    // it: the row is found again by it, as rows may move or go meanwhile. (What the item held
    // before is kept by the store, for Cancel.)
    std::string editKey;
};
