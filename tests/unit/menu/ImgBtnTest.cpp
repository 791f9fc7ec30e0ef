// The image button through real messages, on a window of the test's own that plays the
// display-output dialog (titled "Monitor Switch", so the button's hover reports reach it).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Canvas.h"
#include "GdiplusTest.h"
#include "Handles.h"
#include "ImgBtn.h"
#include "MessageRecorder.h"
#include "SuiteContract.h"
#include "Wait.h"
#include "test_pictures.h"

namespace {

const int kTileId = 1001;
const int kSmallId = 1003;
const RECT kTemplateRect = {120, 40, 170, 80};  // where the "template" put the buttons

class ImgBtnTest : public GdiplusTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(GdiplusTest::SetUp());
        ASSERT_NE(nullptr, parent_);
        ::SetCursorPos(1000, 10);  // keep the real pointer out of the play
        ::SetForegroundWindow(parent_);
    }
    void TearDown() override {
        ::ReleaseCapture();
        buttons_.clear();
        Pump();
    }

    ImgBtn& MakeButton(int id) {
        HWND hwnd = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                      kTemplateRect.left, kTemplateRect.top, kTemplateRect.right - kTemplateRect.left,
                                      kTemplateRect.bottom - kTemplateRect.top, parent_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                      nullptr);
        buttons_.push_back(std::make_unique<ImgBtn>());
        ImgBtn& button = *buttons_.back();
        EXPECT_TRUE(button.Attach(hwnd));
        return button;
    }
    // A tile with all four test pictures at (32, 55), resting normal, nothing received yet.
    ImgBtn& MakeTile() {
        ImgBtn& tile = MakeButton(kTileId);
        tile.LoadImages4(32, 55, IDP_TEST_NORMAL, IDP_TEST_HOVER, IDP_TEST_PRESSED, IDP_TEST_TOGGLED);
        tile.SetState(ImgBtn::kNormal);
        Pump();
        dialog_.Clear();
        return tile;
    }

    static void Pump() { suite::PumpMessages(); }
    static void Send(ImgBtn& b, UINT message, POINT at) {
        const WPARAM keys = message == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
        ::SendMessageA(b.Handle(), message, keys, MAKELPARAM(at.x, at.y));
        Pump();
    }
    // Every command the parent heard from the button, sent or posted.
    int Commands(int id) const {
        int n = 0;
        for (const suite::RecordedMessage& r : dialog_.Of(WM_COMMAND)) n += LOWORD(r.wParam) == id ? 1 : 0;
        return n;
    }
    std::vector<suite::RecordedMessage> Hovers() const { return dialog_.Of(UWM_MONITOR_HOVER); }
    // Clicks the button at `at` as a user does: enter, press, release.
    static void Click(ImgBtn& b, POINT at) {
        Send(b, WM_MOUSEMOVE, at);
        Send(b, WM_LBUTTONDOWN, at);
        Send(b, WM_LBUTTONUP, at);
    }

    // The dialog the buttons report to, found by its title as the real one is.
    suite::MessageRecorder dialog_{kMonitorTitle, {WM_COMMAND, UWM_MONITOR_HOVER}, RECT{300, 200, 632, 365}};
    HWND parent_ = dialog_.Handle();
    std::vector<std::unique_ptr<ImgBtn>> buttons_;
};

enum class Act { Move, Down, Up, CaptureElsewhere };

TEST_F(ImgBtnTest, PointerAndPressStepThroughThePictures) {
    ImgBtn& tile = MakeTile();
    const struct Step {
        const char* what;
        Act act;
        POINT at;
        int image, resting;
        bool tracking;
        int hovers, commands;
    } steps[] = {
        {"enter", Act::Move, {10, 10}, ImgBtn::kHover, ImgBtn::kNormal, true, 1, 0},
        {"move inside", Act::Move, {40, 30}, ImgBtn::kHover, ImgBtn::kNormal, true, 1, 0},
        {"press", Act::Down, {40, 30}, ImgBtn::kPressed, ImgBtn::kNormal, true, 1, 0},
        {"drag out", Act::Move, {120, 30}, ImgBtn::kNormal, ImgBtn::kNormal, false, 1, 0},
        {"release outside", Act::Up, {120, 30}, ImgBtn::kNormal, ImgBtn::kNormal, false, 1, 0},
        {"enter again", Act::Move, {5, 5}, ImgBtn::kHover, ImgBtn::kNormal, true, 2, 0},
        {"press", Act::Down, {5, 5}, ImgBtn::kPressed, ImgBtn::kNormal, true, 2, 0},
        {"first click", Act::Up, {5, 5}, ImgBtn::kToggled, ImgBtn::kToggled, false, 2, 1},
        {"move after the click", Act::Move, {6, 5}, ImgBtn::kHover, ImgBtn::kToggled, true, 3, 1},
        {"press", Act::Down, {6, 5}, ImgBtn::kPressed, ImgBtn::kToggled, true, 3, 1},
        {"second click", Act::Up, {6, 5}, ImgBtn::kNormal, ImgBtn::kNormal, false, 3, 2},
        {"enter once more", Act::Move, {7, 5}, ImgBtn::kHover, ImgBtn::kNormal, true, 4, 2},
        {"another window takes the pointer", Act::CaptureElsewhere, {}, ImgBtn::kNormal, ImgBtn::kNormal, false, 4,
         2},
        {"leave without tracking", Act::Move, {-3, 5}, ImgBtn::kNormal, ImgBtn::kNormal, false, 4, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        switch (s.act) {
            case Act::Move:
                Send(tile, WM_MOUSEMOVE, s.at);
                break;
            case Act::Down:
                Send(tile, WM_LBUTTONDOWN, s.at);
                break;
            case Act::Up:
                Send(tile, WM_LBUTTONUP, s.at);
                break;
            case Act::CaptureElsewhere:
                ::SetCapture(parent_);
                ::ReleaseCapture();
                Pump();
                break;
        }
        EXPECT_EQ(s.image, tile.imageIndex);
        EXPECT_EQ(s.resting, tile.restingIndex);
        EXPECT_EQ(s.tracking, tile.tracking);
        EXPECT_EQ(s.tracking ? tile.Handle() : nullptr, ::GetCapture());
        EXPECT_EQ(static_cast<size_t>(s.hovers), Hovers().size());
        EXPECT_EQ(s.commands, Commands(kTileId));
    }

    // Hover reports carry the screen point of the entry; clicks are posted with the button's handle.
    RECT r;
    ::GetWindowRect(tile.Handle(), &r);
    ASSERT_FALSE(Hovers().empty());
    EXPECT_EQ(r.left + 10, static_cast<int>(Hovers()[0].wParam));
    EXPECT_EQ(r.top + 10, static_cast<int>(Hovers()[0].lParam));
    const suite::ExpectedMessage click{WM_COMMAND, MAKEWPARAM(kTileId, BN_CLICKED),
                                       reinterpret_cast<LPARAM>(tile.Handle())};
    EXPECT_TRUE(suite::SequenceIs(dialog_.Of(WM_COMMAND), {click, click}));
}

// A button never shows a picture it does not have: without a toggled picture (a three-picture
// button, or a fourth picture that does not decode) a click leaves it on its normal picture.
TEST_F(ImgBtnTest, PlaceAndToggleFollowThePicturesLoaded) {
    const struct Case {
        const char* what;
        ImgBtn::Kind kind;
        bool four;
        UINT toggled;
        RECT expected;  // in the parent's client coordinates
        int restingAfterClick;
    } cases[] = {
        {"tile, four pictures", ImgBtn::kTile, true, IDP_TEST_TOGGLED, {124, 55, 211, 128}, ImgBtn::kToggled},
        {"tile, toggled does not decode", ImgBtn::kTile, true, IDP_TEST_BROKEN, {124, 55, 211, 128},
         ImgBtn::kNormal},
        {"tile, toggled missing", ImgBtn::kTile, true, IDP_TEST_MISSING, {124, 55, 211, 128}, ImgBtn::kNormal},
        {"tile, three pictures", ImgBtn::kTile, false, 0, kTemplateRect, ImgBtn::kNormal},
        {"small, three pictures", ImgBtn::kSmall, false, 0, {302, 6, 318, 22}, ImgBtn::kNormal},
    };
    int id = kSmallId;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ImgBtn& b = MakeButton(++id);
        b.kind = c.kind;
        const POINT at = c.four ? POINT{124, 55} : POINT{302, 6};
        if (c.four)
            b.LoadImages4(at.x, at.y, IDP_TEST_NORMAL, IDP_TEST_HOVER, IDP_TEST_PRESSED, c.toggled);
        else
            b.LoadImages3(at.x, at.y, IDP_TEST_NORMAL, IDP_TEST_HOVER, IDP_TEST_PRESSED);
        b.SetState(ImgBtn::kNormal);
        EXPECT_EQ(BS_OWNERDRAW, b.GetButtonStyle() & BS_TYPEMASK);
        RECT r;
        ::GetWindowRect(b.Handle(), &r);
        ::MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(::EqualRect(&c.expected, &r)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;

        dialog_.Clear();
        Click(b, POINT{3, 3});
        EXPECT_EQ(c.restingAfterClick, b.restingIndex);
        EXPECT_EQ(c.restingAfterClick, b.imageIndex);
        Click(b, POINT{4, 3});
        EXPECT_EQ(ImgBtn::kNormal, b.restingIndex);
        EXPECT_EQ(2, Commands(id)) << "one command per click";
        ::ShowWindow(b.Handle(), SW_HIDE);  // out of the next case's way
    }
}

TEST_F(ImgBtnTest, PaintsThePictureOfItsStateAndNothingWhereAPictureIsMissing) {
    ImgBtn& tile = MakeButton(kTileId);
    tile.LoadImages4(32, 55, IDP_TEST_NORMAL, IDP_TEST_BROKEN, IDP_TEST_PRESSED, IDP_TEST_MISSING);
    const COLORREF untouched = RGB(255, 255, 255);
    const struct Case {
        int index;
        COLORREF centre, corner;  // (43, 36) and (86, 72): the picture fills the whole tile
    } cases[] = {
        {ImgBtn::kNormal, RGB(0xc0, 0, 0), RGB(0xc0, 0, 0)},
        {ImgBtn::kHover, untouched, untouched},  // does not decode
        {ImgBtn::kPressed, RGB(0, 0, 0xc0), RGB(0, 0, 0xc0)},
        {ImgBtn::kToggled, untouched, untouched},  // no such resource
        {7, untouched, untouched},
        {-1, untouched, untouched},
    };
    suite::Canvas canvas(87, 73, untouched);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        tile.SetState(c.index);
        canvas.Fill(untouched);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = kTileId;
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = tile.Handle();
        item.hDC = canvas.Get();
        item.rcItem = RECT{0, 0, 87, 73};
        tile.DrawItem(item);
        EXPECT_EQ(c.centre, canvas.At(43, 36));
        EXPECT_EQ(c.corner, canvas.At(86, 72));
        EXPECT_EQ(c.index >= 0 && c.index < 4 && c.centre != untouched, tile.HasPicture(c.index));
    }
    ::UpdateWindow(tile.Handle());  // the real paint of a state without a picture does not fail either
}

}  // namespace
