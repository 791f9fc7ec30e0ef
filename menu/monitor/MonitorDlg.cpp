#include "MonitorDlg.h"

#include "AcpiRequests.h"
#include "ButtonFont.h"
#include "SuiteContract.h"
#include "SystemLocale.h"
#include "picture_ids.h"
#include "resource.h"

const fw::MessageMapEntry<CMonitorDlg> CMonitorDlg::kMap[] = {
    fw::OnMessage(WM_PAINT, &CMonitorDlg::OnPaint),
    fw::OnMessage(WM_ERASEBKGND, &CMonitorDlg::OnEraseBkgnd),
    fw::OnMessage(WM_QUERYDRAGICON, &CMonitorDlg::OnQueryDragIcon),
    fw::OnCommandRange(IDC_MONITOR_INTERNAL, IDC_MONITOR_BOTH, &CMonitorDlg::OnTileCommand),
    fw::OnCommand(IDC_MONITOR_CLOSE, &CMonitorDlg::OnCloseCommand),
    fw::OnMessage(WM_LBUTTONDOWN, &CMonitorDlg::OnLButtonDown),
    fw::OnMessage(UWM_MONITOR_HOVER, &CMonitorDlg::OnMonitorHover),
    fw::OnMessage(WM_CLOSE, &CMonitorDlg::OnClose),
    fw::EndMessageMap<CMonitorDlg>(),
};

CMonitorDlg::CMonitorDlg()
    : Dialog(IDD_MONITOR), icon_(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CORVELA))) {}

// However the run went, the firmware connection goes with the dialog.
CMonitorDlg::~CMonitorDlg() { Finish(); }

INT_PTR CMonitorDlg::Run(HWND panel) { return DoModal(panel); }

bool CMonitorDlg::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
}

void CMonitorDlg::DoDataExchange() {
    for (int i = 0; i < monitor::kTileCount; ++i) AttachControl(monitor::TileAt(i)->id, tiles_[i]);
    AttachControl(monitor::kCloseId, close_);
}

bool CMonitorDlg::OnInitDialog() {
    Dialog::OnInitDialog();  // attaches the four buttons
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    // Without the firmware there is nothing to switch: rather than an empty box whose choice would
    // reach for a connection that does not exist, the dialog ends unseen as if closed, and the
    // panel comes back.
    if (!acpi_.Connect()) {
        ::MoveWindow(Handle(), 0, 0, 0, 0, FALSE);
        CloseAction();
        return false;
    }

    korean_ = IsKoreanSystemLocale();
    LoadPictures();
    PlaceWindow();
    LoadButtons();
    ::SetWindowTextA(Handle(), kMonitorTitle);
    captionFont_.Reset(CreateButtonFont(korean_));

    SelectTile(0);
    ::SetFocus(tiles_[0].Handle());
    return false;  // the focus is set
}

void CMonitorDlg::LoadPictures() {
    background_ =
        pictures_.Get(korean_ ? IDB_MONITOR_BG_KO : IDB_MONITOR_BG_EN, monitor::kWidth, monitor::kHeight);
    for (ImgBtn& b : tiles_) b.SetPictures(&pictures_);
    close_.SetPictures(&pictures_);
}

void CMonitorDlg::PlaceWindow() {
    // The system owns the region once it is set.
    if (HRGN region = ::CreateRoundRectRgn(0, 0, monitor::kWidth, monitor::kHeight, 5, 5)) {
        if (!::SetWindowRgn(Handle(), region, TRUE)) ::DeleteObject(region);
    }
    const POINT at = monitor::PlaceDialog(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    ::SetWindowPos(Handle(), HWND_TOP, at.x, at.y, monitor::kWidth, monitor::kHeight, SWP_NOACTIVATE);
}

void CMonitorDlg::LoadButtons() {
    for (int i = 0; i < monitor::kTileCount; ++i) {
        const monitor::Tile& tile = *monitor::TileAt(i);
        tiles_[i].LoadImages4(tile.at.x, tile.at.y, tile.pictures[0], tile.pictures[1], tile.pictures[2],
                              tile.pictures[3]);
    }
    close_.kind = ImgBtn::kSmall;
    close_.LoadImages3(monitor::kCloseAt.x, monitor::kCloseAt.y, IDB_MONITOR_CLOSE, IDB_MONITOR_CLOSE_HOVER,
                       IDB_MONITOR_CLOSE_PRESSED);
    for (ImgBtn& b : tiles_) b.SetState(ImgBtn::kNormal);
    close_.SetState(ImgBtn::kNormal);
}

// Focuses the tile and puts the pointer on it; the tile then shows its hover picture and reports
// back, so that pointer and keys agree on the selection.
void CMonitorDlg::SelectTile(int tile) {
    const monitor::Tile* facts = monitor::TileAt(tile);
    if (!facts) return;
    selectedTile = tile;
    ::SetFocus(tiles_[tile].Handle());
    POINT anchor = facts->anchor;
    ::ClientToScreen(Handle(), &anchor);
    ::SetCursorPos(anchor.x, anchor.y);
}

// --- keys, pointer, commands ---------------------------------------------------------------------

bool CMonitorDlg::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN) return Dialog::PreTranslateMessage(msg);
    const monitor::KeyStep step = monitor::StepForKey(selectedTile, static_cast<UINT>(msg.wParam));
    switch (step.action) {
        case monitor::KeyAction::Select:
            SelectTile(step.tile);
            return true;
        case monitor::KeyAction::Press:
            ::PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(monitor::TileAt(step.tile)->id, BN_CLICKED), 0);
            return true;
        case monitor::KeyAction::Ignore:
            return true;
        case monitor::KeyAction::Close:
            CloseAction();
            return Dialog::PreTranslateMessage(msg);
        case monitor::KeyAction::Pass:
            break;
    }
    return Dialog::PreTranslateMessage(msg);
}

LRESULT CMonitorDlg::OnMonitorHover(const fw::Msg& m) {
    POINT pt{static_cast<LONG>(static_cast<INT_PTR>(m.wParam)), static_cast<LONG>(m.lParam)};
    ::ScreenToClient(Handle(), &pt);
    selectedTile = monitor::HitTestTiles(pt);
    return 0;
}

LRESULT CMonitorDlg::OnTileCommand(const fw::Msg& m) {
    Choose(static_cast<int>(m.CommandId()) - IDC_MONITOR_INTERNAL);
    return 0;
}

LRESULT CMonitorDlg::OnCloseCommand(const fw::Msg&) {
    CloseAction();
    return 0;
}

// Pressing on the background drags the dialog: the system's move loop, as if on a caption. The
// non-client message carries screen coordinates.
LRESULT CMonitorDlg::OnLButtonDown(const fw::Msg& m) {
    POINT pt = m.Point();
    ::ClientToScreen(Handle(), &pt);
    ::PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
    return Default();
}

LRESULT CMonitorDlg::OnQueryDragIcon(const fw::Msg&) { return reinterpret_cast<LRESULT>(icon_); }

// A close from outside (the panel closing while the dialog runs) is the close action too.
LRESULT CMonitorDlg::OnClose(const fw::Msg&) {
    CloseAction();
    return 0;
}

// Enter is the tiles' key (pre-translation); the dialog has no OK button that could mean anything.
void CMonitorDlg::OnOK() {}

void CMonitorDlg::OnCancel() { CloseAction(); }

// --- the two ways out ----------------------------------------------------------------------------

// Once per run, whichever way out comes first: a second click, a queued Enter or a close that
// follows a choice finds the dialog finished and writes nothing.
void CMonitorDlg::Choose(int tile) {
    const monitor::Tile* facts = monitor::TileAt(tile);
    if (!facts || finished_) return;
    if (acpi_.Connected()) AcpiSetULong(acpi_, kAcpiDisplayOutput, facts->outputWord);
    Finish();
    if (HWND panel = ::FindWindowA(nullptr, kPanelTitle)) ::PostMessageA(panel, UWM_PANEL_RESELECT, 0, 0);
    EndDialog(IDOK);
}

void CMonitorDlg::CloseAction() {
    if (finished_) return;
    Finish();
    EndDialog(IDCANCEL);
}

// The connection is released on both ways out, not only on the close path, and before the panel
// hears of the end.
void CMonitorDlg::Finish() {
    if (finished_) return;
    finished_ = true;
    acpi_.Release();
}

// --- painting ------------------------------------------------------------------------------------

// The background covers the whole dialog; erasing first would only flicker.
LRESULT CMonitorDlg::OnEraseBkgnd(const fw::Msg&) { return background_ ? TRUE : Default(); }

LRESULT CMonitorDlg::OnPaint(const fw::Msg&) {
    fw::PaintDC paint(Handle());
    if (!paint.Get()) return 0;
    // Composed off screen and copied in one step, so that the captions never flash over a bare
    // background.
    fw::MemoryDC memory(paint.Get());
    fw::Bitmap bitmap(::CreateCompatibleBitmap(paint.Get(), monitor::kWidth, monitor::kHeight));
    if (!memory.Get() || !bitmap) {
        Paint(paint.Get());
        return 0;
    }
    fw::SelectObjectScope select(memory.Get(), bitmap.Get());
    Paint(memory.Get());
    ::BitBlt(paint.Get(), 0, 0, monitor::kWidth, monitor::kHeight, memory.Get(), 0, 0, SRCCOPY);
    return 0;
}

void CMonitorDlg::Paint(HDC dc) {
    if (background_) background_->Draw(dc, 0, 0);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    fw::SelectObjectScope select(dc, captionFont_.Get());
    const monitor::Caption* captions = monitor::Captions(korean_);
    for (int i = 0; i < monitor::kTileCount; ++i)
        ::TextOutA(dc, captions[i].x, monitor::kCaptionY, captions[i].text, lstrlenA(captions[i].text));
}
