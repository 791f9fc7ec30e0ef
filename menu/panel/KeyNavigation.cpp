#include "KeyNavigation.h"

#include "PanelGeometry.h"

namespace panel {
namespace {

// What both directions do after their own step: keep the selection on a button, and on a last
// page never beyond the last item shown.
int Settle(int selectedId, int lastPageCount) {
    if (selectedId < kUpId || selectedId > kDownId) selectedId = kFirstItemId;
    if (lastPageCount != 0 && lastPageCount < selectedId % kUpId) selectedId = kUpId + lastPageCount;
    return selectedId;
}

}  // namespace

KeyNavResult NavigateDown(const KeyNavState& s) {
    const bool atEnd =
        s.downShown ? s.selectedId == kDownId : s.selectedId == kUpId + s.count % kItemsPerPage;
    if (atEnd) return KeyNavResult{false, s.selectedId};
    int id = s.selectedId;
    if (id != kUpId + s.count) ++id;
    return KeyNavResult{true, Settle(id, s.lastPageCount)};
}

KeyNavResult NavigateUp(const KeyNavState& s) {
    const bool atEnd = s.upShown ? s.selectedId == kUpId : s.selectedId == kFirstItemId;
    if (atEnd) return KeyNavResult{false, s.selectedId};
    return KeyNavResult{true, Settle(s.selectedId - 1, s.lastPageCount)};
}

}  // namespace panel
