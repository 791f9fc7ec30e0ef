#pragma once
// The panel's button: an arrow or the close button (a small picture for each of normal, hover and
// pressed), or an item button (icon, label and, under the pointer, a highlight band). It follows
// the pointer by capturing the mouse, takes the focus whenever the pointer moves over it, reports
// every movement to the panel window "Corvela" and reports clicks to its parent.
#include <string>

#include "MessageMap.h"
#include "PanelWindow.h"
#include "PngResource.h"
#include "PushButton.h"

class CHotspotBtn : public fw::PushButton {
public:
    enum StateBit : BYTE { kHover = 1, kPressed = 2, kMarked = 4 };
    static constexpr int kHighlightRestOffset = 520;

    CHotspotBtn();

    // The arrows' and the close button's pictures by name: "UP__", "DOWN__" or "CLOSE".
    void LoadStateImages(const char* name);
    // The item icon for `itemKey` (see ItemIconRule.h); releases the icon loaded before.
    void LoadItemIcon(const char* itemKey);
    // 1 or 5: clear every state; 2 hover; 3 pressed; 4 marked; other values change nothing.
    void SetButtonState(int n);
    std::string GetLabel() const { return label; }
    // The panel's highlight strip; borrowed, never released here.
    void SetHighlightStream(IStream* stream) { highlightStream = stream; }

    // The text that decides the look and that a press is looked up by; the panel writes it.
    std::string label = "Tamblo";
    BYTE stateFlags = 0;
    int tracking = 0;
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
    void ReleaseIcon();
    void ReleaseStateImages();

    CPngResource icon_;  // the icon memory and iconStream
    CPngResource normal_;
    CPngResource hover_;
    CPngResource pressed_;
    IStream* highlightStream = nullptr;

    static const fw::MessageMapEntry<CHotspotBtn> kMap[];
};
