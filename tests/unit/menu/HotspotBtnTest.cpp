// The hot-spot button's pointer handling, driven by messages on a window of the test's own that
// plays the panel (titled as the panel, so the button's movement reports reach it).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Canvas.h"
#include "Handles.h"
#include "HotspotBtn.h"
#include "MessageRecorder.h"
#include "Wait.h"

namespace {

const int kFirstId = 2001;
const int kSecondId = 2002;

class HotspotBtnTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, parent_);
        MakeButton(kFirstId, 72, first_);
        MakeButton(kSecondId, 123, second_);
        ::SetCursorPos(1000, 10);  // keep the real pointer out of the play
        ::SetForegroundWindow(parent_);
        Pump();
        panel_.Clear();
    }
    void TearDown() override {
        ::ReleaseCapture();
        first_.Detach();
        second_.Detach();
        Pump();
    }

    void MakeButton(int id, int top, CHotspotBtn& button) {
        HWND hwnd = ::CreateWindowExA(
            0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 4, top, 204, 48, parent_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, hwnd);
        ASSERT_TRUE(button.Attach(hwnd));
        button.label = "Notepad";
    }

public:
    static void Pump() { suite::PumpMessages(); }

protected:
    static void Send(CHotspotBtn& b, UINT message, int x, int y, WPARAM keys = 0) {
        ::SendMessageA(b.Handle(), message, keys, MAKELPARAM(x, y));
    }
    int Clicks(int id) const { return panel_.Clicks(id); }

    // The panel the buttons report to, found by its title as the real one is.
    suite::MessageRecorder panel_{kPanelTitle, {WM_COMMAND, UWM_PANEL_HOVER}, RECT{300, 100, 512, 661}};
    HWND parent_ = panel_.Handle();
    CHotspotBtn first_;
    CHotspotBtn second_;
};

TEST_F(HotspotBtnTest, ClickInsideNotifiesTheParentOnce) {
    Send(first_, WM_MOUSEMOVE, 10, 10);
    EXPECT_TRUE(first_.tracking);
    EXPECT_EQ(first_.Handle(), ::GetCapture());
    EXPECT_EQ(first_.Handle(), ::GetFocus());
    Send(first_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    EXPECT_EQ(CHotspotBtn::kHover | CHotspotBtn::kPressed, first_.stateFlags);
    Send(first_, WM_LBUTTONUP, 10, 10);
    Pump();
    EXPECT_EQ(1, Clicks(kFirstId));
    // After the release the hover stays until the pointer moves again; the capture is gone.
    EXPECT_EQ(CHotspotBtn::kHover, first_.stateFlags);
    EXPECT_FALSE(first_.tracking);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(HotspotBtnTest, PressDragOffReleaseDoesNotClick) {
    Send(first_, WM_MOUSEMOVE, 10, 10);
    Send(first_, WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
    Send(first_, WM_MOUSEMOVE, 250, 10, MK_LBUTTON);  // beyond the right edge
    EXPECT_FALSE(first_.tracking);
    EXPECT_EQ(0, first_.stateFlags);
    EXPECT_EQ(CHotspotBtn::kHighlightRestOffset, first_.highlightOffset);
    Send(first_, WM_LBUTTONUP, 250, 10);
    Pump();
    EXPECT_EQ(0, Clicks(kFirstId));
}

TEST_F(HotspotBtnTest, EveryMovementIsReportedInScreenCoordinates) {
    RECT r;
    ::GetWindowRect(first_.Handle(), &r);
    Send(first_, WM_MOUSEMOVE, 10, 20);
    Send(first_, WM_MOUSEMOVE, 11, 20);
    Pump();
    // The real pointer may add reports of its own (a window that appears under it gets a move):
    // the two sent moves must be reported once each, in order, in screen coordinates.
    std::vector<POINT> reported;
    for (const suite::RecordedMessage& p : panel_.Of(UWM_PANEL_HOVER))
        reported.push_back(POINT{static_cast<LONG>(p.wParam), static_cast<LONG>(p.lParam)});
    auto at = [&](int x, int y) {
        return std::find_if(reported.begin(), reported.end(),
                            [&](const POINT& q) { return q.x == r.left + x && q.y == r.top + y; });
    };
    auto first = at(10, 20);
    auto second = at(11, 20);
    ASSERT_NE(reported.end(), first);
    ASSERT_NE(reported.end(), second);
    EXPECT_LT(first - reported.begin(), second - reported.begin());
    EXPECT_EQ(1, std::count_if(reported.begin(), reported.end(),
                               [&](const POINT& q) { return q.x == r.left + 10 && q.y == r.top + 20; }));
}

// Moving on to the next button takes the focus, and the focus loss clears the previous one.
TEST_F(HotspotBtnTest, OnlyOneButtonShowsTheHoverLook) {
    Send(first_, WM_MOUSEMOVE, 10, 10);
    ASSERT_EQ(CHotspotBtn::kHover, first_.stateFlags);
    Send(second_, WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(0, first_.stateFlags);
    EXPECT_FALSE(first_.tracking);
    EXPECT_EQ(CHotspotBtn::kHover, second_.stateFlags);
    EXPECT_TRUE(second_.tracking);
    EXPECT_EQ(second_.Handle(), ::GetCapture());
}

TEST_F(HotspotBtnTest, SetButtonState) {
    using State = CHotspotBtn::ButtonState;
    struct Step {
        State state;
        BYTE expected;
    } steps[] = {{State::kHover, CHotspotBtn::kHover},
                 {State::kPressed, CHotspotBtn::kHover | CHotspotBtn::kPressed},
                 {State::kMarked, CHotspotBtn::kHover | CHotspotBtn::kPressed | CHotspotBtn::kMarked},
                 {static_cast<State>(7), CHotspotBtn::kHover | CHotspotBtn::kPressed | CHotspotBtn::kMarked},
                 {State::kIdle, 0},
                 {State::kMarked, CHotspotBtn::kMarked},
                 {static_cast<State>(0), CHotspotBtn::kMarked},
                 {State::kNormal, 0}};
    for (const Step& s : steps) {
        first_.SetButtonState(s.state);
        EXPECT_EQ(s.expected, first_.stateFlags) << static_cast<int>(s.state);
    }
}

// The label as the button draws it on the screen: for each column of the label's part of the
// button (from x 87 on), the top and bottom rows that hold ink (-1 where none).
struct LabelInk {
    std::vector<int> top, bottom;
    int LastColumn() const {
        for (int x = static_cast<int>(top.size()) - 1; x >= 0; --x)
            if (top[x] >= 0) return x;
        return -1;
    }
};

LabelInk CaptureLabelInk(HWND button) {
    RECT r;
    ::GetWindowRect(button, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    suite::Canvas canvas(width, height, RGB(0, 0, 0));
    {
        fw::WindowDC screen(nullptr);
        ::BitBlt(canvas.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    }
    LabelInk ink;
    for (int x = 87; x < width; ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < height; ++y) {
            const COLORREF c = canvas.At(x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 60) continue;
            if (top < 0) top = y;
            bottom = y;
        }
        ink.top.push_back(top);
        ink.bottom.push_back(bottom);
    }
    return ink;
}

bool operator==(const LabelInk& a, const LabelInk& b) { return a.top == b.top && a.bottom == b.bottom; }

// The button repainted with its new label, as the screen shows it once the picture has changed
// from `before` and holds still.
LabelInk RepaintedLabelInk(HWND button, const LabelInk& before) {
    ::InvalidateRect(button, nullptr, TRUE);
    LabelInk now = before;
    suite::WaitUntil(
        [&] {
            const LabelInk next = CaptureLabelInk(button);
            const bool still = !(next == before) && next == now;
            now = next;
            return still;
        },
        3000);
    return now;
}

// A label wider than the button ends in an ellipsis instead of being cut inside a letter; the label itself
// stays as it is. A label that fits is drawn whole.
TEST_F(HotspotBtnTest, ALabelTooWideForTheButtonEndsInAnEllipsis) {
    const char kWide[] = "Brightness Control";
    const LabelInk before = CaptureLabelInk(first_.Handle());
    first_.label = kWide;
    first_.SetText(kWide);
    const LabelInk wide = RepaintedLabelInk(first_.Handle(), before);
    const int last = wide.LastColumn();
    ASSERT_GT(last, 0) << "no label on the screen";
    // The last six columns of ink belong to the last dot, not to a letter's stroke.
    for (int x = std::max(0, last - 5); x <= last; ++x) {
        if (wide.top[x] < 0) continue;
        EXPECT_LE(wide.bottom[x] - wide.top[x], 3) << "column " << 87 + x << " holds more than a dot";
    }
    EXPECT_EQ(kWide, first_.label);
    char text[64] = {};
    first_.GetText(text, sizeof(text));
    EXPECT_STREQ(kWide, text);

    // A short label keeps its last letter.
    first_.label = "Menu";
    const LabelInk shortLabel = RepaintedLabelInk(first_.Handle(), wide);
    const int end = shortLabel.LastColumn();
    ASSERT_GT(end, 0);
    EXPECT_GT(shortLabel.bottom[end] - shortLabel.top[end], 3) << "'u' ends in a stroke, not a dot";
}

}  // namespace
