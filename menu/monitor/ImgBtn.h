#pragma once
// The display-output dialog's button: an owner-drawn push button whose whole face is one of up to
// four PNG pictures (normal, hover, pressed, toggled). It follows the pointer by capturing the
// mouse, tells the window "Monitor Switch" which button the pointer has just entered, and reports
// a click to its parent. A click flips the resting picture between normal and toggled.
//
// Each picture is decoded once, when it is loaded, at the size it is drawn, and kept: a paint
// only draws.
#include "MessageMap.h"
#include "PictureCache.h"
#include "PushButton.h"

class ImgBtn : public fw::PushButton {
public:
    enum Picture { kNormal = 0, kHover = 1, kPressed = 2, kToggled = 3, kPictureCount = 4 };
    // Size class: a tile is drawn 87 x 73, a small button 16 x 16.
    enum Kind { kTile = 0, kSmall = 2 };

    ImgBtn();
    ~ImgBtn() override;

    // Where the pictures come from: the dialog's cache, shared by its buttons and kept for its run
    // (borrowed). A button without one keeps a cache of its own. Set before loading.
    void SetPictures(CPictureCache* pictures) { pictures_ = pictures; }
    // Loads the four pictures, then puts the button at client point (x, y) of its parent as a
    // tile (87 x 73), on top of its siblings.
    void LoadImages4(int x, int y, UINT idNormal, UINT idHover, UINT idPressed, UINT idToggled);
    // Loads three pictures (no toggled one). A small button is then put at (x, y), 16 x 16; a
    // tile keeps the place and size its template gave it. The kind is set before loading: the
    // pictures are decoded at its size.
    void LoadImages3(int x, int y, UINT idNormal, UINT idHover, UINT idPressed);
    // Shows picture n and makes it the one to return to.
    void SetState(int n);

    // Whether picture `index` was loaded and decoded.
    bool HasPicture(int index) const;
    SIZE DrawnSize() const;

    void DrawItem(const DRAWITEMSTRUCT& item) override;

    int imageIndex = kNormal;    // picture shown now
    int restingIndex = kNormal;  // picture to return to when the pointer leaves; toggle memory
    bool tracking = false;       // the pointer is inside and the button holds the capture
    Kind kind = kTile;

protected:
    void OnAttached() override;
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;

private:
    LRESULT OnLButtonDown(const fw::Msg& m);
    LRESULT OnLButtonUp(const fw::Msg& m);
    LRESULT OnMouseMove(const fw::Msg& m);
    LRESULT OnCaptureChanged(const fw::Msg& m);
    LRESULT OnEraseBkgnd(const fw::Msg& m);

    void LoadPicture(int index, UINT id);
    void PlaceAt(int x, int y);
    void Redraw();
    CPictureCache& Pictures() { return pictures_ ? *pictures_ : ownPictures_; }

    CPictureCache* pictures_ = nullptr;
    CPictureCache ownPictures_;
    // Null where a picture is missing or does not decode: that picture is simply not drawn.
    const CDecodedPicture* shown_[kPictureCount] = {};

    static const fw::MessageMapEntry<ImgBtn> kMap[];
};
