// Paging through the checked items: which buttons and arrows show, what they say, where the
// pointer rests, what lastPageCount becomes, and how the arrow keys behave at the ends of a page.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "FixedRights.h"
#include "ItemPages.h"
#include "ItemsTestSupport.h"
#include "KeyNavigation.h"

using namespace items;
using namespace panel;

namespace {

// The panel as the pages see it: visibility, labels, the pointer and the selection.
struct FakePanel : IItemPanel {
    std::map<int, bool> visible;
    std::map<int, std::string> labels;
    std::map<int, std::string> stateLabels;
    std::map<int, int> highlight;
    int pointerEntry = -1;
    int selectedId = kUpId;  // as the panel is constructed

    void ShowControl(int id, bool show) override { visible[id] = show; }
    void RepaintControl(int) override {}
    void RepaintPanel() override {}
    void SetStateLabel(int id, const char* name) override { stateLabels[id] = name; }
    void SetItemLabel(int id, const char* label) override { labels[id] = label; }
    void GiveHighlight(int id) override { ++highlight[id]; }
    void MovePointerTo(int entry, bool hitTest) override {
        pointerEntry = entry;
        if (hitTest) selectedId = kUpId + entry;
    }
    void SetSelectedId(int id) override { selectedId = id; }
    void ResetButtonStates() override {}

    // Labels of the item buttons shown, top to bottom.
    std::vector<std::string> ShownLabels() const {
        std::vector<std::string> out;
        for (int id = kFirstItemId; id <= kLastItemId; ++id)
            if (visible.count(id) && visible.at(id)) out.push_back(labels.count(id) ? labels.at(id) : "?");
        return out;
    }
    bool Shown(int id) const { return visible.count(id) && visible.at(id); }
};

// An index file whose "Check" section lists `names`.
struct IndexFile {
    explicit IndexFile(const ScratchFolder& folder, const std::vector<std::string>& names)
        : path(folder.Join("Pellary.ini")) {
        ::WritePrivateProfileStringA("Check", "Count", std::to_string(names.size()).c_str(), path.c_str());
        for (std::size_t i = 0; i < names.size(); ++i)
            ::WritePrivateProfileStringA("Check", std::to_string(i + 1).c_str(), names[i].c_str(),
                                         path.c_str());
    }
    std::string path;
};

std::vector<std::string> Numbered(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back("Item " + std::to_string(i));
    return names;
}

std::vector<std::string> Range(int first, int last) {
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i) names.push_back("Item " + std::to_string(i));
    return names;
}

panel::KeyNavState KeysAt(const CItemPages& pages, int selectedId) {
    const PageFields& f = pages.Fields();
    return panel::KeyNavState{selectedId, f.upShown, f.downShown, f.lastPageCount, pages.CheckedCount()};
}

enum class Move { First, Down, Up };

struct Step {
    Move move;
    bool changes;  // false: the press is refused and nothing changes
    int page;
    bool up, down;  // arrows shown
    int lastPageCount;
    int first, last;  // items shown, by number
    int restEntry;    // where the pointer rests (-1: not moved by the page change)
    int selectedId;   // the panel's selection afterwards
};

struct Scenario {
    int count;
    std::vector<Step> steps;
};

class PagingTest : public ::testing::Test {
protected:
    ScratchFolder folder_{"paging"};
    CFixedRightsProbe admin_{true};
};

TEST_F(PagingTest, PagesForEveryListLength) {
    const Scenario scenarios[] = {
        {3,
         {{Move::First, true, 0, false, false, 0, 1, 3, -1, kUpId},
          {Move::Down, false, 0, false, false, 0, 1, 3, -1, kUpId},
          {Move::Up, false, 0, false, false, 0, 1, 3, -1, kUpId}}},
        {8,
         {{Move::First, true, 0, false, false, 0, 1, 8, -1, kUpId},
          {Move::Down, false, 0, false, false, 0, 1, 8, -1, kUpId}}},
        {9,
         {{Move::First, true, 0, false, true, 0, 1, 8, -1, kUpId},
          {Move::Down, true, 1, true, false, 1, 9, 9, 1, 2001},
          {Move::Down, false, 1, true, false, 1, 9, 9, 1, 2001},
          {Move::Up, true, 0, false, true, 0, 1, 8, 8, kNoSelectionId},
          {Move::Up, false, 0, false, true, 0, 1, 8, 8, kNoSelectionId}}},
        {16,
         {{Move::First, true, 0, false, true, 0, 1, 8, -1, kUpId},
          {Move::Down, true, 1, true, false, 8, 9, 16, 1, kUpId},
          {Move::Down, false, 1, true, false, 8, 9, 16, 1, kUpId},
          {Move::Up, true, 0, false, true, 0, 1, 8, 8, kNoSelectionId}}},
        {17,
         {{Move::First, true, 0, false, true, 0, 1, 8, -1, kUpId},
          {Move::Down, true, 1, true, true, 9, 9, 16, 1, kUpId},
          {Move::Down, true, 2, true, false, 1, 17, 17, 1, 2001},
          {Move::Up, true, 1, true, true, 0, 9, 16, 8, kNoSelectionId},
          {Move::Up, true, 0, false, true, 0, 1, 8, 8, kNoSelectionId}}},
        {20,
         {{Move::First, true, 0, false, true, 0, 1, 8, -1, kUpId},
          {Move::Down, true, 1, true, true, 12, 9, 16, 1, kUpId},
          {Move::Down, true, 2, true, false, 4, 17, 20, 1, 2004},
          {Move::Up, true, 1, true, true, 0, 9, 16, 8, kNoSelectionId},
          {Move::Down, true, 2, true, false, 4, 17, 20, 1, 2004},
          {Move::Up, true, 1, true, true, 0, 9, 16, 8, kNoSelectionId},
          {Move::Up, true, 0, false, true, 0, 1, 8, 8, kNoSelectionId}}},
    };
    for (const Scenario& s : scenarios) {
        IndexFile index(folder_, Numbered(s.count));
        FakePanel panel;
        CItemPages pages(Texts(), admin_);
        pages.SetPanel(&panel);
        pages.SetIndexFile(index.path);
        int stepNo = 0;
        for (const Step& step : s.steps) {
            SCOPED_TRACE(::testing::Message() << s.count << " items, step " << stepNo++);
            const PageFields before = pages.Fields();
            const std::map<int, std::string> labelsBefore = panel.labels;
            panel.pointerEntry = -1;
            if (step.move == Move::First) pages.ShowFirstPage(true);
            if (step.move == Move::Down) pages.PageDown();
            if (step.move == Move::Up) pages.PageUp();

            if (!step.changes) {
                EXPECT_EQ(before, pages.Fields());
                EXPECT_EQ(labelsBefore, panel.labels);
            }
            EXPECT_EQ(step.page, pages.Fields().page);
            EXPECT_EQ(step.up, pages.Fields().upShown);
            EXPECT_EQ(step.down, pages.Fields().downShown);
            EXPECT_EQ(step.lastPageCount, pages.Fields().lastPageCount);
            EXPECT_EQ(step.up, panel.Shown(kUpId));
            EXPECT_EQ(step.down, panel.Shown(kDownId));
            EXPECT_EQ(Range(step.first, step.last), panel.ShownLabels());
            for (int id = kFirstItemId; id <= kLastItemId; ++id) {
                if (panel.Shown(id)) continue;
                EXPECT_EQ("", panel.labels[id]) << "hidden button " << id << " keeps a label";
            }
            if (step.changes) {
                EXPECT_EQ(step.restEntry, panel.pointerEntry);
                EXPECT_EQ(step.selectedId, panel.selectedId);
            }
            EXPECT_EQ(kUpLabel, panel.stateLabels[kUpId]);
            EXPECT_EQ(kDownLabel, panel.stateLabels[kDownId]);
            EXPECT_EQ(kCloseLabel, panel.stateLabels[kCloseId]);
        }
    }
}

TEST_F(PagingTest, FirstPageOfAShortListHandsTheHighlightOnlyToLabelledButtons) {
    IndexFile index(folder_, Numbered(3));
    FakePanel panel;
    CItemPages pages(Texts(), admin_);
    pages.SetPanel(&panel);
    pages.SetIndexFile(index.path);
    pages.ShowFirstPage(true);
    // The button after the last item carries no left-over text, and stays hidden.
    EXPECT_EQ("", panel.labels[2004]);
    EXPECT_FALSE(panel.Shown(2004));
    for (int id = 2001; id <= 2004; ++id) EXPECT_EQ(1, panel.highlight[id]) << id;
    for (int id = 2005; id <= 2008; ++id) EXPECT_FALSE(panel.Shown(id)) << id;
}

TEST_F(PagingTest, EmptyOrMissingIndexShowsNoItemAndNoArrow) {
    for (bool exists : {true, false}) {
        IndexFile index(folder_, {});
        if (!exists) ::DeleteFileA(index.path.c_str());
        FakePanel panel;
        CItemPages pages(Texts(), admin_);
        pages.SetPanel(&panel);
        pages.SetIndexFile(index.path);
        pages.ShowFirstPage(true);
        EXPECT_TRUE(panel.ShownLabels().empty());
        EXPECT_FALSE(panel.Shown(kUpId));
        EXPECT_FALSE(panel.Shown(kDownId));
        pages.PageDown();
        pages.PageUp();
        EXPECT_EQ(PageFields{}, pages.Fields());
    }
}

// The page fields drive the arrow keys: at the ends of each page a key does nothing, and on a
// short last page the selection never passes the last item shown.
TEST_F(PagingTest, ArrowKeysStopAtTheEndsOfEachPage) {
    IndexFile index(folder_, Numbered(20));
    FakePanel panel;
    CItemPages pages(Texts(), admin_);
    pages.SetPanel(&panel);
    pages.SetIndexFile(index.path);

    pages.ShowFirstPage(true);
    EXPECT_FALSE(panel::NavigateUp(KeysAt(pages, 2001)).moved);  // UP hidden: the first item is the top
    EXPECT_FALSE(panel::NavigateDown(KeysAt(pages, kDownId)).moved);
    EXPECT_EQ(kDownId, panel::NavigateDown(KeysAt(pages, 2008)).selectedId);

    pages.PageDown();  // items 9-16, both arrows
    EXPECT_FALSE(panel::NavigateUp(KeysAt(pages, kUpId)).moved);
    EXPECT_FALSE(panel::NavigateDown(KeysAt(pages, kDownId)).moved);

    pages.PageDown();  // items 17-20 on 2001-2004
    EXPECT_FALSE(panel::NavigateDown(KeysAt(pages, 2004)).moved);
    EXPECT_EQ(2004, panel::NavigateDown(KeysAt(pages, 2003)).selectedId);
    EXPECT_FALSE(panel::NavigateUp(KeysAt(pages, kUpId)).moved);

    pages.PageUp();  // lastPageCount back to 0: the full page is free again
    EXPECT_EQ(kDownId, panel::NavigateDown(KeysAt(pages, 2008)).selectedId);
    // From "no button" after the move up, Down lands on the first item.
    EXPECT_EQ(2001, panel::NavigateDown(KeysAt(pages, kNoSelectionId)).selectedId);

    IndexFile three(folder_, Numbered(3));
    pages.SetIndexFile(three.path);
    pages.ShowFirstPage(true);
    EXPECT_FALSE(panel::NavigateDown(KeysAt(pages, 2003)).moved);
    EXPECT_FALSE(panel::NavigateUp(KeysAt(pages, 2001)).moved);
}

// A press that arrives without a page to go to (Enter on a hidden arrow, a posted command) must
// neither move nor touch a button beyond the list.
TEST(PagePlanTest, RefusedMovesChangeNothing) {
    const struct {
        int page, count;
        bool down, up;
    } cases[] = {{0, 0, false, false}, {0, 8, false, false}, {0, 9, true, false},  {1, 9, false, true},
                 {1, 16, false, true}, {1, 17, true, true},  {2, 17, false, true}, {5, 3, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "page " << c.page << ", count " << c.count);
        PageFields now;
        now.page = c.page;
        PagePlan down = PlanPageDown(now, c.count);
        PagePlan up = PlanPageUp(now, c.count);
        EXPECT_EQ(c.down, down.valid);
        EXPECT_EQ(c.up, up.valid);
        if (down.valid) {
            EXPECT_GE(down.fields.lastPageCount, 1);
            for (const PointerStep& step : down.pointer) EXPECT_TRUE(step.entry >= 1 && step.entry <= 8);
        }
    }
}

}  // namespace
