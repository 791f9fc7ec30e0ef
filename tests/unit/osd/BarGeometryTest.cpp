#include <gtest/gtest.h>

#include <string>

#include "BarGeometry.h"
#include "Handles.h"

namespace {

std::string Show(POINT p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

TEST(BarGeometryTest, PlacedAtTheBottomCentre) {
    const struct {
        int width, height;
        POINT at;
    } cases[] = {
        {1024, 768, {307, 653}},
        {800, 600, {195, 485}},
        {1280, 1024, {435, 909}},
        {1025, 769, {307, 654}},  // integer division of the odd width
        {300, 100, {-55, -15}},   // a screen smaller than the bar: it hangs over, as placed
    };
    for (const auto& c : cases) {
        const POINT at = bar::PlaceBar(c.width, c.height);
        EXPECT_TRUE(at.x == c.at.x && at.y == c.at.y) << c.width << "x" << c.height << " -> " << Show(at);
    }
}

// The eight segments sit on the slots of the background, one pixel apart, the last ending at 348.
TEST(BarGeometryTest, SegmentsFillTheWell) {
    for (int i = 0; i < 8; ++i) {
        const RECT r = bar::SegmentRect(i);
        EXPECT_EQ(101 + 31 * i, r.left) << i;
        EXPECT_EQ(21, r.top) << i;
        EXPECT_EQ(30, r.right - r.left) << i;
        EXPECT_EQ(14, r.bottom - r.top) << i;
    }
    EXPECT_EQ(348, bar::SegmentRect(7).right);
    // A firmware level of 10 still has its tenth segment inside the bar; the eleventh is beyond.
    EXPECT_EQ(410, bar::SegmentRect(9).right);
    EXPECT_GE(bar::SegmentRect(10).left, bar::kWidth);
}

// The region made from the outline: every corner is cut in steps of 1, 2, 3, 4 and 6 pixels, the
// edges between them are whole.
TEST(BarGeometryTest, OutlineCutsTheFourCornersInSteps) {
    POINT outline[bar::kOutlinePoints];
    bar::BarOutline(bar::kWidth, bar::kHeight, outline);
    EXPECT_TRUE(outline[0].x == outline[bar::kOutlinePoints - 1].x &&
                outline[0].y == outline[bar::kOutlinePoints - 1].y);
    fw::Region region(::CreatePolygonRgn(outline, bar::kOutlinePoints, WINDING));
    ASSERT_TRUE(region);
    RECT box;
    ::GetRgnBox(region.Get(), &box);
    EXPECT_TRUE(box.left == 0 && box.top == 0 && box.right == 410 && box.bottom == 55) << Show({box.right, box.bottom});

    // First pixel inside the region on each of the rows a corner touches, from the left; the right
    // side mirrors it (last pixel inside = 409 - first).
    const struct {
        int row, first;
    } rows[] = {{0, 6}, {1, 4}, {2, 3}, {3, 2}, {4, 1}, {5, 1}, {6, 0}, {48, 0}, {49, 1}, {50, 1},
                {51, 2}, {52, 3}, {53, 4}, {54, 6}};
    for (const auto& r : rows) {
        SCOPED_TRACE("row " + std::to_string(r.row));
        EXPECT_FALSE(::PtInRegion(region.Get(), r.first - 1, r.row));
        EXPECT_TRUE(::PtInRegion(region.Get(), r.first, r.row));
        EXPECT_TRUE(::PtInRegion(region.Get(), 409 - r.first, r.row));
        EXPECT_FALSE(::PtInRegion(region.Get(), 410 - r.first, r.row));
    }
    EXPECT_FALSE(::PtInRegion(region.Get(), 205, 55));
}

}  // namespace
