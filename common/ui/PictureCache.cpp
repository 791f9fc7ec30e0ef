#include "PictureCache.h"

#include <algorithm>

#include "Gdiplus.h"
#include "PngResource.h"

std::unique_ptr<CDecodedPicture> CDecodedPicture::Decode(UINT id, HMODULE module, int width, int height) {
    CPngResource png;
    if (!png.Load(id, module)) return nullptr;
    // Declared after the copy it reads, so that it lets go of the stream first.
    Gdiplus::Image image(png.Stream(), FALSE);
    if (image.GetLastStatus() != Gdiplus::Ok || image.GetWidth() == 0 || image.GetHeight() == 0) return nullptr;
    if (width <= 0 || height <= 0) {
        width = static_cast<int>(image.GetWidth());
        height = static_cast<int>(image.GetHeight());
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first, as GDI+ writes it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::Bitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return nullptr;
    {
        // GDI+ renders straight into the bitmap's memory, scaled as a paint used to draw it: the
        // premultiplied form is what AlphaBlend takes.
        Gdiplus::Bitmap target(width, height, width * 4, PixelFormat32bppPARGB, static_cast<BYTE*>(bits));
        Gdiplus::Graphics graphics(&target);
        if (graphics.GetLastStatus() != Gdiplus::Ok ||
            graphics.Clear(Gdiplus::Color(0, 0, 0, 0)) != Gdiplus::Ok ||
            graphics.DrawImage(&image, 0, 0, width, height) != Gdiplus::Ok)
            return nullptr;
    }
    ::GdiFlush();
    return std::unique_ptr<CDecodedPicture>(new CDecodedPicture(std::move(bitmap), width, height));
}

bool CDecodedPicture::Draw(HDC dc, int x, int y) const { return DrawPart(dc, x, y, 0, 0, width_, height_); }

bool CDecodedPicture::DrawPart(HDC dc, int x, int y, int srcX, int srcY, int width, int height) const {
    if (!dc) return false;
    // Only what the picture holds: AlphaBlend refuses a source rectangle beyond its bitmap.
    if (srcX < 0) {
        x -= srcX;
        width += srcX;
        srcX = 0;
    }
    if (srcY < 0) {
        y -= srcY;
        height += srcY;
        srcY = 0;
    }
    width = std::min(width, width_ - srcX);
    height = std::min(height, height_ - srcY);
    if (width <= 0 || height <= 0) return false;
    fw::MemoryDC source(dc);
    if (!source.Get()) return false;
    fw::SelectObjectScope select(source.Get(), bitmap_.Get());
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return ::AlphaBlend(dc, x, y, width, height, source.Get(), srcX, srcY, width, height, blend) != FALSE;
}

const CDecodedPicture* CPictureCache::Get(UINT id, int width, int height) {
    const Key key{id, width, height};
    auto found = pictures_.find(key);
    if (found == pictures_.end())
        found = pictures_.emplace(key, CDecodedPicture::Decode(id, module_, width, height)).first;
    return found->second.get();
}
