#pragma once
// PNG resources decoded once per run and kept ready to draw. The first request for a picture at a
// size decodes it with GDI+ and renders it at that size into a 32-bit bitmap with premultiplied
// alpha; every later draw is one AlphaBlend of that bitmap. What is kept is plain GDI, so the cache
// does not depend on GDI+ after the decode.
#include <windows.h>

#include <map>
#include <memory>
#include <utility>

#include "Handles.h"

class CDecodedPicture {
public:
    // PNG resource `id` of `module` (null: the program), rendered at `width` x `height` (0, 0: its
    // own size). Null when it cannot be loaded or decoded.
    static std::unique_ptr<CDecodedPicture> Decode(UINT id, HMODULE module, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Blends the whole picture over `dc` with its top-left corner at (x, y).
    bool Draw(HDC dc, int x, int y) const;
    // Blends the part (srcX, srcY, width, height) of the picture, cut to the picture, at (x, y).
    bool DrawPart(HDC dc, int x, int y, int srcX, int srcY, int width, int height) const;

private:
    CDecodedPicture(fw::Bitmap bitmap, int width, int height)
        : bitmap_(std::move(bitmap)), width_(width), height_(height) {}

    fw::Bitmap bitmap_;
    int width_;
    int height_;
};

class CPictureCache {
public:
    explicit CPictureCache(HMODULE module = nullptr) : module_(module) {}
    CPictureCache(const CPictureCache&) = delete;
    CPictureCache& operator=(const CPictureCache&) = delete;

    // The picture of PNG resource `id` at `width` x `height` (0, 0: its own size), decoded on the
    // first request; null when it cannot be had (and it is not tried again).
    const CDecodedPicture* Get(UINT id, int width = 0, int height = 0);
    // Number of pictures decoded (or found undecodable) so far.
    std::size_t Size() const { return pictures_.size(); }

private:
    struct Key {
        UINT id;
        int width;
        int height;
        bool operator<(const Key& o) const {
            return id != o.id ? id < o.id : width != o.width ? width < o.width : height < o.height;
        }
    };

    HMODULE module_;
    std::map<Key, std::unique_ptr<CDecodedPicture>> pictures_;
};
