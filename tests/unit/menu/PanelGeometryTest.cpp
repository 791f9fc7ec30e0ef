// Placement, button rectangles, window outline and hit test of the panel.
#include <gtest/gtest.h>

#include "PanelGeometry.h"

namespace {

struct PlacementCase {
    const char* name;
    int width, height;
    RECT taskbar;
    POINT expected;
};

TEST(PlacePanel, FollowsTheTaskBar) {
    const PlacementCase cases[] = {
        {"bottom bar, 1024x768", 1024, 768, {0, 748, 1024, 768}, {812, 103}},
        {"top bar", 1024, 768, {0, 0, 1024, 30}, {812, 207}},
        {"left bar", 1024, 768, {0, 0, 60, 768}, {812, 207}},
        {"right bar", 1024, 768, {964, 0, 1024, 768}, {812, 207}},
        {"no bar", 1024, 768, {0, 0, 0, 0}, {812, 207}},
        {"bottom bar, 1280x1024", 1280, 1024, {0, 994, 1280, 1024}, {1068, 231}},
        // A horizontal bar not at the top counts as "bottom" wherever it floats.
        {"floating horizontal bar", 1024, 768, {0, 300, 1024, 330}, {812, 103}},
        // Lower than the panel: a negative y, truncated toward zero when halved.
        {"short screen, bottom bar", 800, 500, {0, 470, 800, 500}, {588, -30}},
        {"short screen, odd difference", 800, 560, {0, 530, 800, 560}, {588, 0}},
        {"short screen, no bar", 800, 500, {0, 0, 0, 0}, {588, -61}},
        // A square bar is not wider than high: treated like a vertical one.
        {"square bar", 1024, 768, {0, 700, 68, 768}, {812, 207}},
    };
    for (const PlacementCase& c : cases) {
        const POINT at = panel::PlacePanel(c.width, c.height, c.taskbar);
        EXPECT_EQ(c.expected.x, at.x) << c.name;
        EXPECT_EQ(c.expected.y, at.y) << c.name;
    }
}

TEST(ButtonRect, ArrowsItemsAndClose) {
    const RECT expected[panel::kButtonCount] = {
        {104, 50, 120, 60}, {4, 72, 208, 120},  {4, 123, 208, 171}, {4, 174, 208, 222}, {4, 225, 208, 273},
        {4, 276, 208, 324}, {4, 327, 208, 375}, {4, 378, 208, 426}, {4, 429, 208, 477}, {104, 492, 120, 502},
    };
    for (int i = 0; i < panel::kButtonCount; ++i) {
        const RECT r = panel::ButtonRect(i);
        EXPECT_TRUE(::EqualRect(&r, &expected[i])) << "button " << 2000 + i;
    }
    for (int bad : {-1, 10, 1000}) {
        const RECT r = panel::ButtonRect(bad);
        EXPECT_TRUE(::IsRectEmpty(&r)) << bad;
    }
    const RECT close = panel::CloseButtonRect();
    const RECT closeExpected = {187, 8, 199, 20};
    EXPECT_TRUE(::EqualRect(&close, &closeExpected));
}

TEST(PanelOutline, CutsOnlyTheUpperCorners) {
    POINT outline[panel::kOutlinePoints];
    panel::PanelOutline(outline);
    HRGN region = ::CreatePolygonRgn(outline, panel::kOutlinePoints, WINDING);
    ASSERT_NE(nullptr, region);
    struct Probe {
        int x, y;
        bool inside;
    } probes[] = {
        {0, 0, false},    {1, 0, false},     {0, 1, false},   {1, 1, true},     {2, 0, true}, {210, 0, false},
        {209, 0, true},   {210, 1, true},    {211, 1, false}, {211, 2, true},   {0, 2, true}, {0, 560, true},
        {211, 560, true}, {212, 300, false}, {0, 561, false}, {105, 280, true},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(p.inside, ::PtInRegion(region, p.x, p.y) != FALSE) << p.x << "," << p.y;
    RECT box;
    ::GetRgnBox(region, &box);
    const RECT full = {0, 0, panel::kWidth, panel::kHeight};
    EXPECT_TRUE(::EqualRect(&box, &full));
    ::DeleteObject(region);
}

TEST(HitTestButtons, FirstRectangleHoldingThePointWins) {
    RECT rects[panel::kButtonCount];
    for (int i = 0; i < panel::kButtonCount; ++i) rects[i] = panel::ButtonRect(i);
    struct Case {
        POINT pt;
        int expected;
    } cases[] = {
        {{104, 50}, 0},
        {{119, 59}, 0},
        {{120, 59}, panel::kNoButton},
        {{4, 72}, 1},
        {{207, 119}, 1},
        {{100, 120}, panel::kNoButton},  // gap between items
        {{100, 123}, 2},
        {{5, 430}, 8},
        {{110, 495}, 9},
        {{190, 10}, panel::kNoButton},  // the close button is never selected
        {{-5, 100}, panel::kNoButton},
        {{3, 100}, panel::kNoButton},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, panel::HitTestButtons(rects, c.pt)) << c.pt.x << "," << c.pt.y;

    // Overlapping rectangles: the lower index is tested first.
    rects[3] = rects[2];
    EXPECT_EQ(2, panel::HitTestButtons(rects, POINT{10, 130}));
}

TEST(PointerSpot, OnePixelInsideTheTopLeftCorner) {
    RECT rects[panel::kButtonCount];
    for (int i = 0; i < panel::kButtonCount; ++i) rects[i] = panel::ButtonRect(i);
    POINT spot{};
    ASSERT_TRUE(panel::PointerSpot(rects, 1, &spot));
    EXPECT_EQ(5, spot.x);
    EXPECT_EQ(73, spot.y);
    ASSERT_TRUE(panel::PointerSpot(rects, 8, &spot));
    EXPECT_EQ(430, spot.y);
    // The selection after a page up names no button.
    EXPECT_FALSE(panel::PointerSpot(rects, 10, &spot));
    EXPECT_FALSE(panel::PointerSpot(rects, -1, &spot));
}

}  // namespace
