// Up and Down on the panel: where the selection goes, and where the keys stop.
#include <gtest/gtest.h>

#include "KeyNavigation.h"

namespace {

struct Case {
    const char* name;
    panel::KeyNavState state;  // selectedId, upShown, downShown, lastPageCount, count
    bool moved;
    int expected;
};

TEST(NavigateDown, Rules) {
    const Case cases[] = {
        {"three items: next", {2001, 0, 0, 0, 3}, true, 2002},
        {"three items: last item stops", {2003, 0, 0, 0, 3}, false, 2003},
        {"eight items: last item stays", {2008, 0, 0, 0, 8}, true, 2008},
        {"twenty items, first page: onto DOWN", {2008, 0, 1, 0, 20}, true, 2009},
        {"DOWN shown and selected: stops", {2009, 0, 1, 0, 20}, false, 2009},
        {"from UP onto the first item", {2000, 1, 1, 0, 20}, true, 2001},
        {"nothing selected after a page up", {2010, 1, 1, 0, 20}, true, 2001},
        {"last page of 20 (4 shown) clamps", {2004, 1, 0, 4, 20}, false, 2004},
        {"last page of 21 (5 shown): 2004 -> 2005", {2004, 1, 0, 5, 21}, true, 2005},
        {"last item of a last page of 21: stops", {2005, 1, 0, 5, 21}, false, 2005},
        {"hidden button selected on a last page: back to the last shown", {2006, 1, 0, 3, 19}, true, 2003},
        {"second page of 16: hidden DOWN is not reached", {2008, 1, 0, 8, 16}, true, 2008},
        {"empty list: UP selected stops", {2000, 0, 0, 0, 0}, false, 2000},
        {"selection below the range starts over", {1990, 0, 1, 0, 20}, true, 2001},
    };
    for (const Case& c : cases) {
        const panel::KeyNavResult r = panel::NavigateDown(c.state);
        EXPECT_EQ(c.moved, r.moved) << c.name;
        EXPECT_EQ(c.expected, r.selectedId) << c.name;
    }
}

TEST(NavigateUp, Rules) {
    const Case cases[] = {
        {"UP hidden: first item stops", {2001, 0, 0, 0, 3}, false, 2001},
        {"previous item", {2003, 0, 0, 0, 3}, true, 2002},
        {"UP shown: first item onto UP", {2001, 1, 0, 4, 20}, true, 2000},
        {"UP shown and selected: stops", {2000, 1, 1, 0, 20}, false, 2000},
        {"from DOWN onto the last item", {2009, 0, 1, 0, 20}, true, 2008},
        {"nothing selected after a page up: onto DOWN", {2010, 1, 1, 0, 20}, true, 2009},
        {"UP hidden, UP selected: wraps to the first item", {2000, 0, 1, 0, 20}, true, 2001},
        {"last page bound applies going up too", {2009, 1, 0, 3, 19}, true, 2003},
    };
    for (const Case& c : cases) {
        const panel::KeyNavResult r = panel::NavigateUp(c.state);
        EXPECT_EQ(c.moved, r.moved) << c.name;
        EXPECT_EQ(c.expected, r.selectedId) << c.name;
    }
}

}  // namespace
