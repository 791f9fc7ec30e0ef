#include "ImgBtn.h"

#include "SuiteContract.h"

namespace {

const SIZE kTileSize = {87, 73};
const SIZE kSmallSize = {16, 16};

}  // namespace

const fw::MessageMapEntry<ImgBtn> ImgBtn::kMap[] = {
    fw::OnMessage(WM_LBUTTONDOWN, &ImgBtn::OnLButtonDown),
    fw::OnMessage(WM_LBUTTONUP, &ImgBtn::OnLButtonUp),
    fw::OnMessage(WM_MOUSEMOVE, &ImgBtn::OnMouseMove),
    fw::OnMessage(WM_CAPTURECHANGED, &ImgBtn::OnCaptureChanged),
    fw::OnMessage(WM_ERASEBKGND, &ImgBtn::OnEraseBkgnd),
    fw::EndMessageMap<ImgBtn>(),
};

ImgBtn::ImgBtn() = default;

ImgBtn::~ImgBtn() = default;

bool ImgBtn::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || PushButton::OnMessage(m, result);
}

// The face is ours entirely: the button only tells us when to draw it.
void ImgBtn::OnAttached() { SetButtonStyle(BS_OWNERDRAW, false); }

void ImgBtn::LoadPicture(int index, UINT id) {
    const SIZE size = DrawnSize();
    shown_[index] = Pictures().Get(id, size.cx, size.cy);
}

void ImgBtn::PlaceAt(int x, int y) {
    const SIZE size = DrawnSize();
    ::SetWindowPos(Handle(), HWND_TOP, x, y, size.cx, size.cy, SWP_NOACTIVATE);
}

void ImgBtn::LoadImages4(int x, int y, UINT idNormal, UINT idHover, UINT idPressed, UINT idToggled) {
    LoadPicture(kNormal, idNormal);
    LoadPicture(kHover, idHover);
    LoadPicture(kPressed, idPressed);
    LoadPicture(kToggled, idToggled);
    PlaceAt(x, y);
}

void ImgBtn::LoadImages3(int x, int y, UINT idNormal, UINT idHover, UINT idPressed) {
    LoadPicture(kNormal, idNormal);
    LoadPicture(kHover, idHover);
    LoadPicture(kPressed, idPressed);
    shown_[kToggled] = nullptr;
    if (kind == kSmall) PlaceAt(x, y);
}

void ImgBtn::SetState(int n) {
    imageIndex = n;
    restingIndex = n;
    Redraw();
}

bool ImgBtn::HasPicture(int index) const {
    return index >= 0 && index < kPictureCount && shown_[index] != nullptr;
}

SIZE ImgBtn::DrawnSize() const { return kind == kSmall ? kSmallSize : kTileSize; }

void ImgBtn::Redraw() {
    if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void ImgBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    if (HasPicture(imageIndex)) shown_[imageIndex]->Draw(item.hDC, 0, 0);
}

// The pictures are opaque: erasing under one that covers the whole button would only flicker.
LRESULT ImgBtn::OnEraseBkgnd(const fw::Msg&) {
    RECT client;
    ::GetClientRect(Handle(), &client);
    const SIZE size = DrawnSize();
    if (HasPicture(imageIndex) && client.right <= size.cx && client.bottom <= size.cy) return TRUE;
    return Default();
}

LRESULT ImgBtn::OnMouseMove(const fw::Msg& m) {
    POINT pt = m.Point();
    ::ClientToScreen(Handle(), &pt);
    RECT bounds;
    ::GetWindowRect(Handle(), &bounds);
    const bool inside = ::PtInRect(&bounds, pt) != FALSE;
    if (inside && !tracking) {
        ::SetCapture(Handle());
        tracking = true;
        restingIndex = imageIndex;
        imageIndex = kHover;
        Redraw();
        if (HWND dialog = ::FindWindowA(nullptr, kMonitorTitle))
            ::PostMessageA(dialog, UWM_MONITOR_HOVER, static_cast<WPARAM>(static_cast<INT_PTR>(pt.x)),
                           static_cast<LPARAM>(pt.y));
    } else if (!inside && tracking) {
        tracking = false;  // first: giving up the capture reports back here
        ::ReleaseCapture();
        imageIndex = restingIndex;
        Redraw();
    }
    return Default();
}

LRESULT ImgBtn::OnLButtonDown(const fw::Msg&) {
    imageIndex = kPressed;
    Redraw();
    return Default();
}

LRESULT ImgBtn::OnLButtonUp(const fw::Msg&) {
    if (!tracking) return Default();
    // Giving up the capture also ends the standard button's own press, so the click posted below
    // is the only one the parent hears of.
    tracking = false;
    ::ReleaseCapture();
    // Normal and toggled take turns; a button without a toggled picture stays normal rather than
    // showing a picture it does not have.
    if (restingIndex == kNormal) {
        restingIndex = HasPicture(kToggled) ? kToggled : kNormal;
        imageIndex = restingIndex;
    } else if (restingIndex == kToggled) {
        restingIndex = kNormal;
        imageIndex = kNormal;
    }
    const int id = ::GetDlgCtrlID(Handle());
    ::PostMessageA(::GetParent(Handle()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Handle()));
    Redraw();
    return Default();
}

// Another window took the capture (a drag, a menu, a message box): the pointer is no longer ours,
// so the button rests instead of hovering until the next time the pointer enters.
LRESULT ImgBtn::OnCaptureChanged(const fw::Msg& m) {
    if (tracking && reinterpret_cast<HWND>(m.lParam) != Handle()) {
        tracking = false;
        imageIndex = restingIndex;
        Redraw();
    }
    return Default();
}
