#pragma once
// A memory canvas of 32-bit pixels for paint tests: a picture or a control draws into it, and the
// test reads its pixels back.
#include <windows.h>

#include <memory>

#include "Handles.h"

namespace suite {

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill)
        : screen_(nullptr), dc_(screen_.Get()), width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.Reset(::CreateDIBSection(screen_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        select_ = std::make_unique<fw::SelectObjectScope>(dc_.Get(), bitmap_.Get());
        Fill(fill);
    }
    // Every pixel `colour` again, as before the next paint.
    void Fill(COLORREF colour) {
        fw::Brush brush(::CreateSolidBrush(colour));
        RECT all = {0, 0, width_, height_};
        ::FillRect(dc_.Get(), &all, brush.Get());
    }
    HDC Get() const { return dc_.Get(); }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_.Get(), x, y); }

private:
    fw::WindowDC screen_;
    fw::MemoryDC dc_;
    fw::Bitmap bitmap_;
    std::unique_ptr<fw::SelectObjectScope> select_;
    int width_;
    int height_;
};

}  // namespace suite
