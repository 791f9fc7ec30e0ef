#pragma once
// The panel's item pages: eight checked items at a time on the item buttons 2001-2008, with the
// UP (2000) and DOWN (2009) arrows to page through longer lists.
//
// What a page change does is decided by plain functions (PlanFirstPage, PlanPageDown,
// PlanPageUp) from the number of checked items alone; CItemPages carries a plan out on the panel
// through IItemPanel, reading the labels from the index file and rewriting them for a user who is
// not an administrator.
#include <string>
#include <vector>

#include "ItemTexts.h"
#include "PanelControls.h"
#include "RightsProbe.h"

namespace items {

struct PageFields {
    int page = 0;           // page p shows the list positions 8p+1 to 8p+8
    bool upShown = false;    // some page lies before this one
    bool downShown = false;  // some page lies after this one
    int lastPageCount = 0;  // after a move down: positions from this page's start to the list's end;
                            // after a move up: 0. Bounds the arrow-key selection.
    bool operator==(const PageFields& o) const {
        return page == o.page && upShown == o.upShown && downShown == o.downShown &&
               lastPageCount == o.lastPageCount;
    }
};

// Where the pointer is put: entry `entry` of the panel's button rectangles (index = id - 2000),
// optionally followed by the panel's hit test at that point.
struct PointerStep {
    int entry;
    bool hitTest;
    bool operator==(const PointerStep& o) const { return entry == o.entry && hitTest == o.hitTest; }
};

// One page change.
struct PagePlan {
    bool valid = false;          // false: there is no such page; nothing is to change
    PageFields fields;           // the page fields afterwards
    bool setUpClose = false;     // the close button gets its label and pictures as well
    bool giveHighlight = false;  // the item buttons get the highlight strip (first page)
    int firstPosition = 0;       // list position (0-based) labelled onto button 2001
    int labelCount = 0;          // buttons 2001..2000+labelCount get the labels from firstPosition on;
                                 // every other item button is cleared
    int shownCount = 0;          // buttons 2001..2000+shownCount are shown, the other item buttons hidden
    bool repaintPanel = false;
    std::vector<PointerStep> pointer;  // in order; the last one is where the pointer rests
    bool clearSelection = false;       // the selection becomes panel::kNoSelectionId
};

PagePlan PlanFirstPage(int count);
// Refused (valid = false) when no page follows the one shown.
PagePlan PlanPageDown(const PageFields& now, int count);
// Refused when the first page is shown.
PagePlan PlanPageUp(const PageFields& now, int count);

// The label rule for a user who is not an administrator: a label containing the "Wireless" text
// becomes the neutral wireless caption; then one containing either Bluetooth caption becomes the
// neutral Bluetooth caption. Byte-wise, case-sensitive; an empty text marks nothing.
std::string NeutralLabel(const std::string& label, const ItemTexts& texts);

}  // namespace items

// What the item pages need of the panel window.
class IItemPanel {
public:
    virtual ~IItemPanel() = default;
    virtual void ShowControl(int id, bool show) = 0;
    virtual void RepaintControl(int id) = 0;
    virtual void RepaintPanel() = 0;
    // Arrow or close button: its label and its state pictures by that name.
    virtual void SetStateLabel(int id, const char* name) = 0;
    // Item button: its icon chosen from the label, its label and its window text.
    virtual void SetItemLabel(int id, const char* label) = 0;
    // Hands the panel's highlight strip to an item button.
    virtual void GiveHighlight(int id) = 0;
    // Puts the pointer on (left + 1, top + 1) of a button rectangle, in screen coordinates, and
    // runs the panel's hit test there when asked.
    virtual void MovePointerTo(int entry, bool hitTest) = 0;
    virtual void SetSelectedId(int id) = 0;
    // Puts the buttons 2000-2009 back in their first state (no hover, press or mark).
    virtual void ResetButtonStates() = 0;
};

class CItemPages {
public:
    // `texts` and `rights` must outlive the pages.
    CItemPages(const ItemTexts& texts, const IRightsProbe& rights) : texts_(texts), rights_(rights) {}

    void SetPanel(IItemPanel* panel) { panel_ = panel; }
    void SetIndexFile(std::string path) { indexFile_ = std::move(path); }

    // Page 0, labelled for an administrator or not as the start-up test found.
    void ShowFirstPage(bool administrator);
    // Next and previous page; the rights are asked afresh at each press.
    void PageDown();
    void PageUp();

    const items::PageFields& Fields() const { return fields_; }
    // "Check" / "Count" of the index file, read afresh (0 when missing or not a number).
    int CheckedCount() const;
    // Label of list position `position` (0-based) as a button shows it.
    std::string LabelAt(int position, bool administrator) const;

private:
    void Apply(const items::PagePlan& plan, bool administrator);

    const ItemTexts& texts_;
    const IRightsProbe& rights_;
    IItemPanel* panel_ = nullptr;
    std::string indexFile_;
    items::PageFields fields_;
};
