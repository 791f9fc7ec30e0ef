#include "PngPicture.h"

CPngPicture::CPngPicture(IStream* stream) { Decode(stream); }

CPngPicture::CPngPicture(UINT id, HMODULE module) {
    if (owned_.Load(id, module)) Decode(owned_.Stream());
}

void CPngPicture::Decode(IStream* stream) {
    if (!stream) return;
    // The same stream is decoded at every paint; a previous decode left it anywhere.
    LARGE_INTEGER start;
    start.QuadPart = 0;
    if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr))) return;
    image_.emplace(stream, FALSE);
    if (image_->GetLastStatus() != Gdiplus::Ok || image_->GetWidth() == 0 || image_->GetHeight() == 0)
        image_.reset();
}

UINT CPngPicture::Width() const { return image_ ? image_->GetWidth() : 0; }

UINT CPngPicture::Height() const { return image_ ? image_->GetHeight() : 0; }

Gdiplus::Image* CPngPicture::Image() { return image_ ? &*image_ : nullptr; }

bool CPngPicture::Draw(HDC dc, int x, int y) {
    return Draw(dc, x, y, static_cast<int>(Width()), static_cast<int>(Height()));
}

bool CPngPicture::Draw(HDC dc, int x, int y, int width, int height) {
    if (!image_ || !dc) return false;
    Gdiplus::Graphics graphics(dc);
    return graphics.DrawImage(&*image_, x, y, width, height) == Gdiplus::Ok;
}

bool CPngPicture::DrawPart(HDC dc, int x, int y, int srcX, int srcY, int width, int height) {
    if (!image_ || !dc) return false;
    Gdiplus::Graphics graphics(dc);
    Gdiplus::Rect dest(x, y, width, height);
    return graphics.DrawImage(&*image_, dest, srcX, srcY, width, height, Gdiplus::UnitPixel) == Gdiplus::Ok;
}

bool DrawPng(HDC dc, IStream* stream, int x, int y) {
    CPngPicture picture(stream);
    return picture.Draw(dc, x, y);
}

bool DrawPng(HDC dc, IStream* stream, int x, int y, int width, int height) {
    CPngPicture picture(stream);
    return picture.Draw(dc, x, y, width, height);
}
