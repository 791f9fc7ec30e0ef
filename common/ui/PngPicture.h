#pragma once
// A PNG decoded for one paint. Nothing decoded outlives the paint that needed it: each paint makes
// its own CPngPicture from the kept copy (CPngResource) and lets it go at the end.
#include <optional>

#include "Gdiplus.h"
#include "PngResource.h"

class CPngPicture {
public:
    // Decodes from the start of `stream`; the stream must outlive the picture. A null stream
    // gives a picture that is not Ok.
    explicit CPngPicture(IStream* stream);
    // Copies, wraps and decodes the PNG resource `id` of `module` (null: the program); the picture
    // owns the copy, the stream and the image.
    explicit CPngPicture(UINT id, HMODULE module = nullptr);
    CPngPicture(const CPngPicture&) = delete;
    CPngPicture& operator=(const CPngPicture&) = delete;

    bool Ok() const { return image_.has_value(); }
    UINT Width() const;
    UINT Height() const;
    // Null when not Ok.
    Gdiplus::Image* Image();

    // At (x, y) in its own pixel size (a picture's stored resolution does not scale it).
    bool Draw(HDC dc, int x, int y);
    // Scaled into the rectangle (x, y, width, height).
    bool Draw(HDC dc, int x, int y, int width, int height);
    // The part (srcX, srcY, width, height) of the picture, unscaled, at (x, y).
    bool DrawPart(HDC dc, int x, int y, int srcX, int srcY, int width, int height);

private:
    void Decode(IStream* stream);

    // Declared before the image so that the image lets go of the stream first.
    CPngResource owned_;
    mutable std::optional<Gdiplus::Image> image_;  // GDI+ has no const getters
};

// Decode from `stream`, draw at (x, y) in the picture's pixel size, dispose.
bool DrawPng(HDC dc, IStream* stream, int x, int y);
// Decode from `stream`, draw scaled into (x, y, width, height), dispose.
bool DrawPng(HDC dc, IStream* stream, int x, int y, int width, int height);
