#include "PictureCache.h"
#include "PngResource.h"

#include <gtest/gtest.h>

#include "Canvas.h"
#include "GdiplusTest.h"
#include "Handles.h"
#include "test_resources.h"

namespace {

constexpr COLORREF kBackground = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

using PngTest = GdiplusTest;

// A 32 x 16 canvas, filled with the background colour.
class Canvas : public suite::Canvas {
public:
    Canvas() : suite::Canvas(32, 16, kBackground) {}
};

TEST_F(PngTest, ResourceIsCopiedIntoItsOwnStream) {
    CPngResource png;
    ASSERT_TRUE(png.Load(IDP_TWO_TONE));
    EXPECT_TRUE(png.Loaded());
    ASSERT_NE(nullptr, png.Stream());
    HRSRC info = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDP_TWO_TONE), "PNG");
    EXPECT_EQ(::SizeofResource(nullptr, info), png.Size());

    png.Reset();
    EXPECT_FALSE(png.Loaded());
    EXPECT_EQ(nullptr, png.Stream());
}

TEST_F(PngTest, MissingResourceLoadsNothing) {
    CPngResource png;
    ASSERT_TRUE(png.Load(IDP_TWO_TONE));
    EXPECT_FALSE(png.Load(IDP_MISSING));  // a failed load also drops what was there
    EXPECT_FALSE(png.Loaded());
    EXPECT_FALSE(png.Load(IDR_TWO_TONE_RAW));  // only the type "PNG" counts
}

// Each picture is decoded once, at the size it is asked for, and then drawn from what was kept;
// a picture that cannot be had is not tried again.
TEST_F(PngTest, CacheDecodesEachPictureOnceAndDrawsItInPixels) {
    CPictureCache cache;
    const CDecodedPicture* own = cache.Get(IDP_TWO_TONE);
    ASSERT_NE(nullptr, own);
    EXPECT_EQ(8, own->Width());
    EXPECT_EQ(4, own->Height());
    EXPECT_EQ(own, cache.Get(IDP_TWO_TONE));
    const CDecodedPicture* scaled = cache.Get(IDP_TWO_TONE, 32, 16);
    ASSERT_NE(nullptr, scaled);
    EXPECT_NE(own, scaled);
    EXPECT_EQ(nullptr, cache.Get(IDP_BROKEN));
    EXPECT_EQ(nullptr, cache.Get(IDP_MISSING));
    EXPECT_EQ(nullptr, cache.Get(IDP_BROKEN));
    EXPECT_EQ(4u, cache.Size());

    // Where red, blue and the untouched background show afterwards ({-1, -1}: not looked at).
    const struct {
        const CDecodedPicture* picture;
        int x, y, srcX, srcY, width, height;  // width < 0: Draw, the whole picture
        POINT red, blue, background;
    } draws[] = {
        {own, 2, 3, 0, 0, -1, -1, {3, 4}, {8, 5}, {11, 5}},
        {scaled, 0, 0, 0, 0, -1, -1, {4, 8}, {28, 8}, {-1, -1}},
        {own, 0, 0, 4, 0, 4, 4, {-1, -1}, {1, 1}, {6, 1}},    // the right half only
        {own, 0, 0, 4, 0, 40, 40, {-1, -1}, {1, 1}, {6, 1}},  // cut to the picture
    };
    for (const auto& d : draws) {
        Canvas canvas;
        const bool drawn =
            d.width < 0 ? d.picture->Draw(canvas.Get(), d.x, d.y)
                        : d.picture->DrawPart(canvas.Get(), d.x, d.y, d.srcX, d.srcY, d.width, d.height);
        ASSERT_TRUE(drawn);
        EXPECT_EQ(kBlue, canvas.At(d.blue.x, d.blue.y));
        if (d.red.x >= 0) {
            EXPECT_EQ(kRed, canvas.At(d.red.x, d.red.y));
        }
        if (d.background.x >= 0) {
            EXPECT_EQ(kBackground, canvas.At(d.background.x, d.background.y));
        }
    }
    // What is kept is plain GDI: it still draws once GDI+ is gone.
    session_.reset();
    Canvas canvas;
    EXPECT_TRUE(own->Draw(canvas.Get(), 0, 0));
    EXPECT_EQ(kRed, canvas.At(1, 1));
    session_ = std::make_unique<CGdiplusSession>();
}

}  // namespace
