#include "LumivoxDlg.h"

#include "BarGeometry.h"
#include "BarWindow.h"
#include "BrightnessLevel.h"
#include "CommandLine.h"
#include "resource.h"

const fw::MessageMapEntry<CLumivoxDlg> CLumivoxDlg::kMap[] = {
    fw::OnMessage(WM_PAINT, &CLumivoxDlg::OnPaint),
    fw::OnMessage(WM_QUERYDRAGICON, &CLumivoxDlg::OnQueryDragIcon),
    fw::OnMessage(WM_TIMER, &CLumivoxDlg::OnTimer),
    fw::OnMessage(WM_CLOSE, &CLumivoxDlg::OnClose),
    fw::EndMessageMap<CLumivoxDlg>(),
};

CLumivoxDlg::CLumivoxDlg(const IPowerSource& power)
    : Dialog(IDD_LUMIVOX),
      background_(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BAR_BACKGROUND))),
      segment_(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BAR_SEGMENT))),
      icon_(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LUMIVOX))),
      brightness_(acpi_, power) {}

// The window goes before the bitmaps it paints with, and the connection is let go while COM is
// still up.
CLumivoxDlg::~CLumivoxDlg() {
    if (Handle()) ::DestroyWindow(Handle());
    acpi_.Release();
}

bool CLumivoxDlg::OnMessage(const fw::Msg& m, LRESULT& result) {
    return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
}

// --- start ---------------------------------------------------------------------------------------

bool CLumivoxDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (!acpi_.Connect()) {
        AbandonStart();
        return false;
    }
    ::SetWindowTextA(Handle(), kBarTitle);
    argument_ = LeadingNumber(CommandLineArguments(::GetCommandLineA()));
    ReadLevel();
    ShapeWindow();
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    layeredAttributes_ = FindLayeredAttributes();
    ApplyLayeredAlpha(Handle(), layeredAttributes_, kBarAlpha);
    PlaceWindow();
    ::SetTimer(Handle(), kKeepOnTopTimer, kKeepOnTopMs, nullptr);
    closeTimer_ = ::SetTimer(Handle(), kCloseTimer, kCloseAfterMs, nullptr);
    return true;
}

// Without the firmware the bar could neither show nor change anything, and would stay on the
// screen with no timer to close it. It ends at once, before anything of it has been seen: shrunk
// to nothing, the window that the template makes visible never shows.
void CLumivoxDlg::AbandonStart() {
    ::OutputDebugStringA("Lumivox: no connection to the firmware, the bar does not open\n");
    ::MoveWindow(Handle(), 0, 0, 0, 0, FALSE);
    EndDialog(IDCANCEL);
}

void CLumivoxDlg::ShapeWindow() {
    shaped_ = true;
    MeasureScreen();
    ::SetWindowPos(Handle(), nullptr, 0, 0, bar::kWidth, bar::kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    POINT outline[bar::kOutlinePoints];
    bar::BarOutline(bar::kWidth, bar::kHeight, outline);
    fw::Region region(::CreatePolygonRgn(outline, bar::kOutlinePoints, WINDING));
    // The system owns the region once it has taken it.
    if (region && ::SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
}

void CLumivoxDlg::MeasureScreen() {
    screenWidth_ = ::GetSystemMetrics(SM_CXSCREEN);
    screenHeight_ = ::GetSystemMetrics(SM_CYSCREEN);
}

// Only a shaped bar is placed: a start that could not reach the firmware keeps its window out of
// sight until it ends.
void CLumivoxDlg::PlaceWindow() {
    if (!shaped_) return;
    const POINT at = bar::PlaceBar(screenWidth_, screenHeight_);
    ::SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, bar::kWidth, bar::kHeight, SWP_SHOWWINDOW);
}

// --- level ---------------------------------------------------------------------------------------

int CLumivoxDlg::ReadLevel() {
    int level = 0;
    if (!brightness_.ReadLevel(level)) level = 0;
    level_ = level;
    return level;
}

void CLumivoxDlg::WriteLevel(int level) {
    brightness_.WriteLevel(level);
    // Shows the level asked for, whether or not the machine took it.
    if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

bool CLumivoxDlg::PreTranslateMessage(MSG& msg) {
    if (acpi_.Connected() && brightness::IsStepKey(msg)) StepLevel(static_cast<UINT>(msg.wParam));
    return Dialog::PreTranslateMessage(msg);
}

// Steps from the machine's level at the moment of the key, so that a change made elsewhere counts.
// When that cannot be read, from the level on the screen: stepping from 0 would make Up darken a
// bright screen.
void CLumivoxDlg::StepLevel(UINT key) {
    RestartCloseTimer();
    int from = level_;
    brightness_.ReadLevel(from);
    level_ = brightness::StepLevel(from, key);
    WriteLevel(level_);
}

void CLumivoxDlg::RestartCloseTimer() {
    ::KillTimer(Handle(), kCloseTimer);
    closeTimer_ = ::SetTimer(Handle(), kCloseTimer, kCloseAfterMs, nullptr);
}

// --- painting and timers -------------------------------------------------------------------------

LRESULT CLumivoxDlg::OnPaint(const fw::Msg&) {
    if (::IsIconic(Handle())) {
        fw::PaintDC dc(Handle());
        RECT client;
        ::GetClientRect(Handle(), &client);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc.Get(), x, y, icon_);
        return 0;
    }
    MeasureScreen();
    PlaceWindow();
    fw::PaintDC dc(Handle());
    if (shaped_) DrawBar(dc.Get());
    return 0;
}

void CLumivoxDlg::DrawBar(HDC dc) {
    fw::MemoryDC memory(dc);
    if (!memory.Get()) return;
    if (background_) {
        fw::SelectObjectScope select(memory.Get(), background_.Get());
        ::BitBlt(dc, 0, 0, bar::kWidth, bar::kHeight, memory.Get(), 0, 0, SRCCOPY);
    }
    if (segment_) {
        fw::SelectObjectScope select(memory.Get(), segment_.Get());
        for (int i = 0; i < level_; ++i) {
            const RECT r = bar::SegmentRect(i);
            if (r.left >= bar::kWidth) break;  // the firmware's levels above 8 run off the bar
            ::BitBlt(dc, r.left, r.top, bar::kSegmentWidth, bar::kSegmentHeight, memory.Get(), 0, 0, SRCCOPY);
        }
    }
}

LRESULT CLumivoxDlg::OnQueryDragIcon(const fw::Msg&) { return reinterpret_cast<LRESULT>(icon_); }

LRESULT CLumivoxDlg::OnTimer(const fw::Msg& m) {
    if (m.TimerId() == kKeepOnTopTimer) {
        ::SetFocus(Handle());
        PlaceWindow();
        return 0;
    }
    if (m.TimerId() == kCloseTimer) {
        ::KillTimer(Handle(), kKeepOnTopTimer);
        ::KillTimer(Handle(), kCloseTimer);
        closeTimer_ = 0;
        ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return 0;
    }
    return Default();
}

// --- close ---------------------------------------------------------------------------------------

LRESULT CLumivoxDlg::OnClose(const fw::Msg&) {
    Close(IDCANCEL);
    return 0;
}

// Escape and Enter reach the dialog manager as these commands; they close the bar as its timer does.
void CLumivoxDlg::OnCancel() { Close(IDCANCEL); }
void CLumivoxDlg::OnOK() { Close(IDOK); }

void CLumivoxDlg::Close(INT_PTR result) {
    if (closeTimer_) {
        ::KillTimer(Handle(), kCloseTimer);
        closeTimer_ = 0;
    }
    ::KillTimer(Handle(), kKeepOnTopTimer);
    acpi_.Release();
    EndDialog(result);
}
