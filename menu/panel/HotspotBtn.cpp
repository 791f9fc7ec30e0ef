#include "HotspotBtn.h"

#include "ButtonFont.h"
#include "Handles.h"
#include "ItemIconRule.h"
#include "PanelControls.h"
#include "SystemLocale.h"
#include "Text.h"
#include "picture_ids.h"

struct StateImageSet {
    const char* name;
    UINT normal, hover, pressed;
    int width, height;
};

namespace {

const StateImageSet kStateImages[] = {
    {panel::kUpLabel, IDB_UP_NORMAL, IDB_UP_HOVER, IDB_UP_PRESSED, 16, 10},
    {panel::kDownLabel, IDB_DOWN_NORMAL, IDB_DOWN_HOVER, IDB_DOWN_PRESSED, 16, 10},
    {panel::kCloseLabel, IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, IDB_CLOSE_PRESSED, 12, 12},
};

// The look of a button whose label contains one of the picture names (tested in table order).
const StateImageSet* StateImagesOf(const std::string& label) {
    for (const StateImageSet& set : kStateImages) {
        if (TextContains(label.c_str(), set.name)) return &set;
    }
    return nullptr;
}

// The icons' texts come from the string table of the interface language, which does not change
// while the program runs.
const ItemIconTexts& IconTexts() {
    static const ItemIconTexts texts = ItemIconTexts::Load();
    return texts;
}

const int kIconX = 36;
const int kIconSize = 48;
const int kLabelX = 87;
const int kLabelY = 14;
const int kHighlightY = 5;

}  // namespace

const fw::MessageMapEntry<CHotspotBtn> CHotspotBtn::kMap[] = {
    fw::OnMessage(WM_LBUTTONDOWN, &CHotspotBtn::OnLButtonDown),
    fw::OnMessage(WM_LBUTTONUP, &CHotspotBtn::OnLButtonUp),
    fw::OnMessage(WM_MOUSEMOVE, &CHotspotBtn::OnMouseMove),
    fw::OnMessage(WM_KILLFOCUS, &CHotspotBtn::OnKillFocus),
    fw::OnMessage(WM_PAINT, &CHotspotBtn::OnPaint),
    fw::OnMessage(WM_ERASEBKGND, &CHotspotBtn::OnEraseBkgnd),
    fw::EndMessageMap<CHotspotBtn>(),
};

CHotspotBtn::CHotspotBtn() = default;

bool CHotspotBtn::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || PushButton::OnMessage(m, result);
}

void CHotspotBtn::LoadStateImages(const char* name) {
    iconId_ = 0;
    stateImages_ = nullptr;
    for (const StateImageSet& set : kStateImages) {
        if (TextEquals(name, set.name)) stateImages_ = &set;
    }
}

void CHotspotBtn::LoadItemIcon(const char* itemKey) { iconId_ = ChooseItemIcon(itemKey, IconTexts()); }

void CHotspotBtn::SetButtonState(ButtonState state) {
    switch (state) {
        case ButtonState::kNormal:
        case ButtonState::kIdle:
            stateFlags = 0;
            break;
        case ButtonState::kHover:
            stateFlags |= kHover;
            break;
        case ButtonState::kPressed:
            stateFlags |= kPressed;
            break;
        case ButtonState::kMarked:
            stateFlags |= kMarked;
            break;
        default:
            return;
    }
    Redraw();
}

void CHotspotBtn::Redraw() {
    if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT CHotspotBtn::OnMouseMove(const fw::Msg& m) {
    POINT pt = m.Point();
    ::ClientToScreen(Handle(), &pt);
    if (HWND panel = ::FindWindowA(nullptr, kPanelTitle))
        ::PostMessageA(panel, UWM_PANEL_HOVER, static_cast<WPARAM>(static_cast<INT_PTR>(pt.x)),
                       static_cast<LPARAM>(pt.y));

    RECT bounds;
    ::GetWindowRect(Handle(), &bounds);
    ::SetFocus(Handle());
    const bool inside = ::PtInRect(&bounds, pt) != FALSE;
    if (inside && !tracking) {
        ::SetCapture(Handle());
        stateFlags |= kHover;
        tracking = true;
        Redraw();
    } else if (!inside && tracking) {
        ::ReleaseCapture();
        stateFlags &= static_cast<BYTE>(~(kHover | kPressed));
        tracking = false;
        Redraw();
        highlightOffset = kHighlightRestOffset;
    }
    return Default();
}

LRESULT CHotspotBtn::OnLButtonDown(const fw::Msg&) {
    stateFlags |= kPressed;
    Redraw();
    return Default();
}

LRESULT CHotspotBtn::OnLButtonUp(const fw::Msg&) {
    if (tracking) {
        // Giving up the capture also tells the standard button that its own press is over, so the
        // click below is the only one the parent hears of.
        ::ReleaseCapture();
        tracking = false;
        if (stateFlags & kPressed) {
            const int id = ::GetDlgCtrlID(Handle());
            ::PostMessageA(::GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                           reinterpret_cast<LPARAM>(Handle()));
        }
        stateFlags &= static_cast<BYTE>(~kPressed);
        Redraw();
    }
    return Default();
}

LRESULT CHotspotBtn::OnKillFocus(const fw::Msg&) {
    LRESULT r = Default();
    stateFlags = 0;
    if (tracking) {
        ::ReleaseCapture();
        tracking = false;
    }
    Redraw();
    return r;
}

// The paint covers the whole client area; erasing first would only flicker.
LRESULT CHotspotBtn::OnEraseBkgnd(const fw::Msg&) { return TRUE; }

LRESULT CHotspotBtn::OnPaint(const fw::Msg&) {
    fw::PaintDC paint(Handle());
    RECT client;
    ::GetClientRect(Handle(), &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (!paint.Get() || width <= 0 || height <= 0) return 0;
    // Composed off screen and copied in one step, so that the black fill never shows on its own.
    fw::MemoryDC memory(paint.Get());
    fw::Bitmap bitmap(::CreateCompatibleBitmap(paint.Get(), width, height));
    if (!memory.Get() || !bitmap) {
        Paint(paint.Get(), client);
        return 0;
    }
    {
        fw::SelectObjectScope select(memory.Get(), bitmap.Get());
        Paint(memory.Get(), client);
        ::BitBlt(paint.Get(), 0, 0, width, height, memory.Get(), 0, 0, SRCCOPY);
    }
    return 0;
}

void CHotspotBtn::Paint(HDC dc, const RECT& client) {
    ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    if (const StateImageSet* set = StateImagesOf(label))
        PaintStateImage(dc, set->width, set->height);
    else
        PaintItem(dc, client, (stateFlags & kHover) != 0);
}

void CHotspotBtn::PaintStateImage(HDC dc, int width, int height) {
    if (!stateImages_) return;
    UINT id = stateImages_->normal;
    if (stateFlags & kPressed)
        id = stateImages_->pressed;
    else if (stateFlags & (kHover | kMarked))
        id = stateImages_->hover;
    if (const CDecodedPicture* picture = Pictures().Get(id, width, height)) picture->Draw(dc, 0, 0);
}

void CHotspotBtn::PaintItem(HDC dc, const RECT& client, bool highlighted) {
    if (highlighted && highlight_) highlight_->DrawPart(dc, 0, 0, highlightOffset, kHighlightY, 212, 48);
    if (iconId_) {
        if (const CDecodedPicture* icon = Pictures().Get(iconId_, kIconSize, kIconSize))
            icon->Draw(dc, kIconX, 0);
    }
    DrawLabel(dc, client, highlighted ? RGB(0, 0, 0) : RGB(160, 160, 160));
}

// A label wider than the button ends in an ellipsis rather than being cut inside a letter; the
// label itself stays as it is (it is the item's key).
void CHotspotBtn::DrawLabel(HDC dc, const RECT& client, COLORREF color) {
    if (!font_) font_.Reset(CreateButtonFont(IsKoreanSystemLocale()));
    fw::SelectObjectScope select(dc, font_.Get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, color);
    RECT area = {kLabelX, kLabelY, client.right, client.bottom};
    ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &area,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}
