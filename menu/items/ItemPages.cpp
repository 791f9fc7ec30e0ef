#include "ItemPages.h"

#include <algorithm>
#include <cstddef>

#include "IndexFile.h"
#include "Text.h"

namespace {

// A hand-edited index file must not send the panel through billions of pages.
constexpr DWORD kMaxCheckedItems = 10000;

bool Contains(const std::string& text, const std::string& part) {
    return !part.empty() && text.find(part) != std::string::npos;
}

}  // namespace

namespace items {

using panel::kItemsPerPage;

PagePlan PlanFirstPage(int count) {
    if (count < 0) count = 0;
    PagePlan plan;
    plan.valid = true;
    plan.fields.downShown = count > kItemsPerPage;
    plan.setUpClose = true;
    plan.giveHighlight = true;
    plan.firstPosition = 0;
    // The button after the last item is labelled too (with nothing) and then hidden, so that a
    // short list never leaves a template text on a button.
    plan.labelCount = std::min(kItemsPerPage, count + 1);
    plan.shownCount = std::min(kItemsPerPage, count);
    return plan;
}

PagePlan PlanPageDown(const PageFields& now, int count) {
    PagePlan plan;
    // Only reachable from a shown DOWN arrow; a press that arrives without a page after this one
    // (Enter on a hidden arrow, a posted command) would index past the button rectangles.
    if (count <= kItemsPerPage * (now.page + 1)) return plan;
    plan.valid = true;
    plan.fields.page = now.page + 1;
    plan.fields.upShown = true;
    plan.fields.lastPageCount = count - kItemsPerPage * plan.fields.page;
    plan.fields.downShown = plan.fields.lastPageCount > kItemsPerPage;
    plan.firstPosition = kItemsPerPage * plan.fields.page;
    plan.labelCount = std::min(plan.fields.lastPageCount, kItemsPerPage);
    plan.shownCount = plan.labelCount;
    if (plan.fields.lastPageCount < kItemsPerPage) plan.pointer.push_back({plan.fields.lastPageCount, true});
    plan.pointer.push_back({1, false});
    return plan;
}

PagePlan PlanPageUp(const PageFields& now, int count) {
    PagePlan plan;
    // On the first page there is nothing before it; going "up" would show eight buttons and a
    // DOWN arrow even for a short list.
    if (now.page < 1) return plan;
    (void)count;  // a page before the last one is always full
    plan.valid = true;
    plan.repaintPanel = true;
    plan.fields.page = now.page - 1;
    if (plan.fields.page < 1) {
        plan.fields.page = 0;
        plan.pointer.push_back({1, true});
    }
    plan.fields.downShown = true;
    plan.fields.upShown = plan.fields.page != 0;
    plan.fields.lastPageCount = 0;
    plan.firstPosition = kItemsPerPage * plan.fields.page;
    plan.labelCount = kItemsPerPage;
    plan.shownCount = kItemsPerPage;
    plan.clearSelection = true;
    plan.pointer.push_back({kItemsPerPage, false});
    return plan;
}

std::string NeutralLabel(const std::string& label, const ItemTexts& texts) {
    std::string out = label;
    if (Contains(out, texts.wireless)) out = texts.wlanOnOff;
    if (Contains(out, texts.bluetoothOff) || Contains(out, texts.bluetoothOn)) out = texts.bluetoothOnOff;
    return out;
}

}  // namespace items

using namespace items;
using namespace panel;

int CItemPages::CheckedCount() const {
    if (indexFile_.empty()) return 0;
    return static_cast<int>(CIndexFile(indexFile_).ReadCount(kCheckSection, kMaxCheckedItems));
}

std::string CItemPages::LabelAt(int position, bool administrator) const {
    char label[kTextCap];
    TextZero(label);
    if (!indexFile_.empty() && position >= 0)
        CIndexFile(indexFile_)
            .ReadEntry(kCheckSection, static_cast<DWORD>(position) + 1, label, sizeof(label));
    return administrator ? std::string(label) : NeutralLabel(label, texts_);
}

void CItemPages::ShowFirstPage(bool administrator) { Apply(PlanFirstPage(CheckedCount()), administrator); }

void CItemPages::PageDown() { Apply(PlanPageDown(fields_, CheckedCount()), rights_.IsAdministrator()); }

void CItemPages::PageUp() { Apply(PlanPageUp(fields_, CheckedCount()), rights_.IsAdministrator()); }

void CItemPages::Apply(const PagePlan& plan, bool administrator) {
    if (!plan.valid) return;
    fields_ = plan.fields;
    if (!panel_) return;
    IItemPanel& p = *panel_;
    const int count = CheckedCount();

    // Everything that may change is hidden while it is relabelled, so no button shows a
    // half-changed page.
    for (int id = kUpId; id <= kDownId; ++id) p.ShowControl(id, false);
    // A button pressed or hovered on the page before must not carry that look onto this one.
    p.ResetButtonStates();
    p.SetStateLabel(kUpId, kUpLabel);
    p.SetStateLabel(kDownId, kDownLabel);
    if (plan.setUpClose) p.SetStateLabel(kCloseId, kCloseLabel);
    if (plan.repaintPanel) p.RepaintPanel();

    for (int i = 0; i < kItemsPerPage; ++i) {
        const int id = kFirstItemId + i;
        const int position = plan.firstPosition + i;
        // A button the page does not show carries nothing: no left-over label can be pressed.
        const bool labelled = i < plan.labelCount && position < count;
        const std::string label = labelled ? LabelAt(position, administrator) : std::string();
        if (i < plan.labelCount && plan.giveHighlight) p.GiveHighlight(id);
        p.SetItemLabel(id, label.c_str());
        p.RepaintControl(id);
    }
    for (int i = 0; i < kItemsPerPage; ++i) {
        const int id = kFirstItemId + i;
        p.ShowControl(id, i < plan.shownCount);
        if (i >= plan.shownCount) p.RepaintControl(id);
    }
    p.ShowControl(kUpId, plan.fields.upShown);
    p.ShowControl(kDownId, plan.fields.downShown);
    if (plan.fields.upShown) p.RepaintControl(kUpId);

    // The selection is cleared after any hit test on the way and before the pointer comes to rest.
    const std::size_t steps = plan.pointer.size();
    for (std::size_t i = 0; i + 1 < steps; ++i)
        p.MovePointerTo(plan.pointer[i].entry, plan.pointer[i].hitTest);
    if (plan.clearSelection) p.SetSelectedId(kNoSelectionId);
    if (steps) p.MovePointerTo(plan.pointer[steps - 1].entry, plan.pointer[steps - 1].hitTest);
}
