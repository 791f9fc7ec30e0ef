#include "CorvelaDlg.h"

#include "StringTable.h"
#include "picture_ids.h"
#include "resource.h"

namespace {

// String 7: the name of the value that holds an item's display name in the table's language.
const UINT kDisplayNameValueText = 7;

// The panel compares labels with the display names of its own string table's language. It
// repairs a damaged store itself, early in its start (CheckStore), not in the index rebuild.
StoreSettings PanelStoreSettings() {
    StoreSettings settings;
    settings.displayValueName = LoadText(kDisplayNameValueText);
    return settings;
}

}  // namespace

const fw::MessageMapEntry<CCorvelaDlg> CCorvelaDlg::kMap[] = {
    fw::OnMessage(WM_CREATE, &CCorvelaDlg::OnCreate),
    fw::OnMessage(WM_TIMER, &CCorvelaDlg::OnTimer),
    fw::OnMessage(WM_PAINT, &CCorvelaDlg::OnPaint),
    fw::OnMessage(WM_CTLCOLORMSGBOX, &CCorvelaDlg::OnCtlColor),
    fw::OnMessage(WM_CTLCOLOREDIT, &CCorvelaDlg::OnCtlColor),
    fw::OnMessage(WM_CTLCOLORLISTBOX, &CCorvelaDlg::OnCtlColor),
    fw::OnMessage(WM_CTLCOLORBTN, &CCorvelaDlg::OnCtlColor),
    fw::OnMessage(WM_CTLCOLORDLG, &CCorvelaDlg::OnCtlColor),
    fw::OnMessage(WM_CTLCOLORSCROLLBAR, &CCorvelaDlg::OnCtlColor),
    fw::OnMessage(WM_CTLCOLORSTATIC, &CCorvelaDlg::OnCtlColor),
    fw::OnMessage(WM_MOUSEMOVE, &CCorvelaDlg::OnMouseMove),
    fw::OnMessage(WM_LBUTTONDOWN, &CCorvelaDlg::OnLButtonDown),
    fw::OnMessage(WM_QUERYDRAGICON, &CCorvelaDlg::OnQueryDragIcon),
    fw::OnMessage(WM_ACTIVATE, &CCorvelaDlg::OnActivate),
    fw::OnMessage(WM_DISPLAYCHANGE, &CCorvelaDlg::OnDisplayChange),
    fw::OnMessage(UWM_PANEL_HOVER, &CCorvelaDlg::OnPanelHover),
    fw::OnMessage(UWM_PANEL_RESELECT, &CCorvelaDlg::OnPanelReselect),
    fw::OnMessage(UWM_PANEL_CLOSE, &CCorvelaDlg::OnPanelClose),
    fw::OnMessage(WM_CLOSE, &CCorvelaDlg::OnClose),
    fw::OnCommand(panel::kCloseId, &CCorvelaDlg::OnCloseButton),
    fw::OnCommand(panel::kUpId, &CCorvelaDlg::OnUpCommand),
    fw::OnCommand(panel::kDownId, &CCorvelaDlg::OnDownCommand),
    fw::OnCommandRange(panel::kFirstItemId, panel::kLastItemId, &CCorvelaDlg::OnItemCommand),
    fw::EndMessageMap<CCorvelaDlg>(),
};

CCorvelaDlg::CCorvelaDlg(HWND parent, const IRightsProbe& rights)
    : Dialog(IDD_CORVELA, parent), rights_(rights), store_(PanelStoreSettings()) {}

CCorvelaDlg::~CCorvelaDlg() = default;

bool CCorvelaDlg::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
}

void CCorvelaDlg::DoDataExchange() {
    for (int i = 0; i < panel::kButtonCount; ++i) AttachControl(panel::kUpId + i, buttons_[i]);
    AttachControl(panel::kCloseId, buttons_[panel::kButtonCount]);
    for (CHotspotBtn& button : buttons_) button.SetPictures(&pictures_);
}

CHotspotBtn* CCorvelaDlg::Button(int id) {
    if (id >= panel::kUpId && id <= panel::kDownId) return &buttons_[id - panel::kUpId];
    if (id == panel::kCloseId) return &buttons_[panel::kButtonCount];
    return nullptr;
}

// --- geometry, stacking and selection ------------------------------------------------------------

POINT CCorvelaDlg::PlacePanel() const {
    RECT taskbar = {0, 0, 0, 0};
    if (HWND tray = ::FindWindowA("Shell_TrayWnd", nullptr)) {
        if (!::GetWindowRect(tray, &taskbar)) taskbar = RECT{0, 0, 0, 0};
    }
    return panel::PlacePanel(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), taskbar);
}

void CCorvelaDlg::LayoutButtons() {
    for (int i = 0; i < panel::kButtonCount; ++i) {
        buttonRects_[i] = panel::ButtonRect(i);
        const RECT& r = buttonRects_[i];
        ::MoveWindow(Item(panel::kUpId + i), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
    const RECT close = panel::CloseButtonRect();
    ::MoveWindow(Item(panel::kCloseId), close.left, close.top, close.right - close.left,
                 close.bottom - close.top, TRUE);
}

void CCorvelaDlg::ApplyPanelAlpha() {
    // A layered window that never gets its attributes is not drawn at all: without the function
    // the panel stays an ordinary, opaque window.
    if (!layeredAttributesProc_) return;
    const LONG_PTR exStyle = ::GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
    ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    if (!layeredAttributesProc_(Handle(), 0, 204, LWA_ALPHA))
        ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
}

void CCorvelaDlg::ApplyStacking() {
    RECT r;
    if (!::GetWindowRect(Handle(), &r)) return;
    ::SetWindowPos(Handle(), captureToolPresent_ ? HWND_TOP : HWND_TOPMOST, r.left, r.top, panel::kWidth,
                   panel::kHeight, SWP_SHOWWINDOW);
}

int CCorvelaDlg::HitTestButtons(POINT screenPoint) {
    POINT client = screenPoint;
    ::ScreenToClient(Handle(), &client);
    const int index = panel::HitTestButtons(buttonRects_, client);
    if (index == panel::kNoButton || !ControlShown(panel::kUpId + index)) return panel::kNoButton;
    selectedId_ = panel::kUpId + index;
    return index;
}

bool CCorvelaDlg::ControlShown(int id) const {
    HWND control = Item(id);
    return control && (::GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void CCorvelaDlg::MovePointerToSelected() {
    // After a page up nothing is selected (2010) until the pointer reports again.
    const int index = selectedId_ - panel::kUpId;
    if (index < 0 || index >= panel::kButtonCount) return;
    MovePointerTo(index, true);
    ::SetFocus(Item(selectedId_));
}

// --- messages ------------------------------------------------------------------------------------

LRESULT CCorvelaDlg::OnTimer(const fw::Msg& m) {
    if (m.TimerId() != kFirstShowTimer) return Default();
    ::KillTimer(Handle(), kFirstShowTimer);
    const POINT at = PlacePanel();
    ::SetWindowPos(Handle(), HWND_BOTTOM, at.x, at.y, panel::kWidth, panel::kHeight, SWP_SHOWWINDOW);
    ::SetWindowPos(Handle(), captureToolPresent_ ? HWND_TOP : HWND_TOPMOST, at.x, at.y, panel::kWidth,
                   panel::kHeight, SWP_SHOWWINDOW);
    MovePointerTo(1, false);
    return 0;
}

LRESULT CCorvelaDlg::OnPaint(const fw::Msg&) {
    fw::PaintDC dc(Handle());
    if (const CDecodedPicture* background = pictures_.Get(backgroundId_, panel::kWidth, panel::kHeight))
        background->Draw(dc.Get(), 0, 0);
    return 0;
}

// The stock black brush: nothing to create per message, nothing to free (a new brush per message
// would leak a GDI object each time).
LRESULT CCorvelaDlg::OnCtlColor(const fw::Msg& m) {
    Default();
    ::SetBkColor(reinterpret_cast<HDC>(m.wParam), RGB(0, 0, 0));
    return reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH));
}

LRESULT CCorvelaDlg::OnMouseMove(const fw::Msg& m) {
    ApplyStacking();
    POINT pt = m.Point();
    ::ClientToScreen(Handle(), &pt);
    HitTestButtons(pt);
    return Default();
}

// Pressing on the background drags the panel: the system's move loop, as if on a caption.
LRESULT CCorvelaDlg::OnLButtonDown(const fw::Msg& m) {
    POINT pt = m.Point();
    ::ClientToScreen(Handle(), &pt);  // the non-client message carries screen coordinates
    ::PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
    return Default();
}

LRESULT CCorvelaDlg::OnQueryDragIcon(const fw::Msg&) { return reinterpret_cast<LRESULT>(icon_); }

LRESULT CCorvelaDlg::OnActivate(const fw::Msg& m) {
    // While the display-output dialog runs, the panel is hidden and the dialog holds the
    // activation; the panel closes only when the user leaves it.
    if (m.ActivateState() == WA_INACTIVE && !subDialogOpen_) ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return Default();
}

LRESULT CCorvelaDlg::OnDisplayChange(const fw::Msg&) {
    const POINT at = PlacePanel();
    ::MoveWindow(Handle(), at.x, at.y, panel::kWidth, panel::kHeight, TRUE);
    return Default();
}

LRESULT CCorvelaDlg::OnPanelHover(const fw::Msg& m) {
    // Beside a pointer capture tool the panel comes back to the top of the ordinary windows.
    if (captureToolPresent_) ApplyStacking();
    HitTestButtons(POINT{static_cast<LONG>(static_cast<INT_PTR>(m.wParam)), static_cast<LONG>(m.lParam)});
    return Default();
}

LRESULT CCorvelaDlg::OnPanelReselect(const fw::Msg&) {
    MovePointerToSelected();
    return Default();
}

LRESULT CCorvelaDlg::OnPanelClose(const fw::Msg&) {
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return Default();
}

// --- commands ------------------------------------------------------------------------------------

// Enter reaches the dialog manager as the OK command; the panel's own Enter handling presses the
// selected button instead.
void CCorvelaDlg::OnOK() {}

LRESULT CCorvelaDlg::OnCloseButton(const fw::Msg&) {
    ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return 0;
}

LRESULT CCorvelaDlg::OnUpCommand(const fw::Msg&) {
    items_.PageUp();
    return 0;
}

LRESULT CCorvelaDlg::OnDownCommand(const fw::Msg&) {
    items_.PageDown();
    return 0;
}

LRESULT CCorvelaDlg::OnItemCommand(const fw::Msg& m) {
    PressItem(static_cast<int>(m.CommandId()));
    return 0;
}

// --- close ---------------------------------------------------------------------------------------

void CCorvelaDlg::ReleaseResources() {
    if (closing_) return;
    closing_ = true;
    // A close from outside while the display-output dialog runs (a second start, UWM_PANEL_CLOSE,
    // the settings program) ends that dialog first, as if the user had closed it.
    if (subDialog_) subDialog_->Close();
    // A panel closed before its first show never shows.
    ::KillTimer(Handle(), kFirstShowTimer);
    acpi_.Release();
    if (indexFilePath_[0]) ::DeleteFileA(indexFilePath_);
}

// The default processing turns WM_CLOSE into the cancel command, which ends the modal run.
LRESULT CCorvelaDlg::OnClose(const fw::Msg&) {
    ReleaseResources();
    return Default();
}

// Escape reaches here through the dialog manager without a WM_CLOSE: the index file and the
// firmware connection must not outlive the panel on that way out either.
void CCorvelaDlg::OnCancel() {
    ReleaseResources();
    Dialog::OnCancel();
}
