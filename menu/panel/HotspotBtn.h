#pragma once
// The panel's button: an arrow or the close button (a small picture for each of normal, hover and
// pressed), or an item button (icon, label and, under the pointer, a highlight band). It follows
// the pointer by capturing the mouse, takes the focus whenever the pointer moves over it, reports
// every movement to the panel window "Corvela" and reports clicks to its parent.
#include <string>

#include "Handles.h"
#include "MessageMap.h"
#include "PictureCache.h"
#include "PushButton.h"
#include "SuiteContract.h"

class CHotspotBtn : public fw::PushButton {
public:
    enum StateBit : BYTE { kHover = 1, kPressed = 2, kMarked = 4 };
    // What the panel makes of a button (SetButtonState). Normal and idle both clear every state bit.
    enum class ButtonState { kNormal = 1, kHover = 2, kPressed = 3, kMarked = 4, kIdle = 5 };
    static constexpr int kHighlightRestOffset = 520;

    CHotspotBtn();

    // Where the pictures come from: the panel's cache, shared by its buttons and kept for the run
    // (borrowed). A button without one keeps a cache of its own.
    void SetPictures(CPictureCache* pictures) { pictures_ = pictures; }
    // The arrows' and the close button's pictures by name: "UP__", "DOWN__" or "CLOSE".
    void LoadStateImages(const char* name);
    // The item icon for `itemKey` (see ItemIconRule.h), in place of the icon chosen before.
    void LoadItemIcon(const char* itemKey);
    // Normal or idle clear every state bit, the others set theirs; a value outside the five
    // changes nothing.
    void SetButtonState(ButtonState state);
    std::string GetLabel() const { return label; }
    // The panel's highlight strip; borrowed, never released here.
    void SetHighlight(const CDecodedPicture* strip) { highlight_ = strip; }

    // The text that decides the look and that a press is looked up by; the panel writes it.
    std::string label = "Tamblo";
    BYTE stateFlags = 0;
    bool tracking = false;  // the pointer is inside and the button holds the capture
    int highlightOffset = kHighlightRestOffset;

protected:
    bool OnMessage(const fw::Msg& m, LRESULT& result) override;

private:
    LRESULT OnLButtonDown(const fw::Msg& m);
    LRESULT OnLButtonUp(const fw::Msg& m);
    LRESULT OnMouseMove(const fw::Msg& m);
    LRESULT OnKillFocus(const fw::Msg& m);
    LRESULT OnPaint(const fw::Msg& m);
    LRESULT OnEraseBkgnd(const fw::Msg& m);

    void Paint(HDC dc, const RECT& client);
    void PaintStateImage(HDC dc, int width, int height);
    void PaintItem(HDC dc, const RECT& client, bool highlighted);
    void DrawLabel(HDC dc, const RECT& client, COLORREF color);
    void Redraw();
    CPictureCache& Pictures() { return pictures_ ? *pictures_ : ownPictures_; }

    CPictureCache* pictures_ = nullptr;
    CPictureCache ownPictures_;
    UINT iconId_ = 0;                                    // the item icon's picture; 0: none
    const struct StateImageSet* stateImages_ = nullptr;  // the arrow's or close button's pictures
    const CDecodedPicture* highlight_ = nullptr;
    fw::Font font_;  // the label's, made at the first paint and kept

    static const fw::MessageMapEntry<CHotspotBtn> kMap[];
};
