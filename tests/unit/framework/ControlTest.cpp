// Subclassed controls: their own messages, the rest passed on, owner-draw reflection.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "Dialog.h"
#include "MessageMap.h"
#include "PushButton.h"
#include "test_ids.h"

namespace {

// Swallows WM_SETTEXT texts that start with '!' and passes every other message on.
class FilteringButton : public fw::PushButton {
public:
    int clicksSeen = 0;
    int drawn = 0;
    bool attachedHookRan = false;
    void DrawItem(const DRAWITEMSTRUCT& item) override {
        if (item.CtlType == ODT_BUTTON) ++drawn;
    }

protected:
    void OnAttached() override { attachedHookRan = true; }
    bool OnMessage(const fw::Msg& m, LRESULT& result) override {
        return fw::RouteMessage(this, kMap, m, result) || PushButton::OnMessage(m, result);
    }

private:
    LRESULT OnSetText(const fw::Msg& m) {
        const char* text = reinterpret_cast<const char*>(m.lParam);
        if (text && text[0] == '!') return TRUE;  // handled here, the control never sees it
        return Default();
    }
    LRESULT OnLButtonUp(const fw::Msg&) {
        ++clicksSeen;
        return Default();
    }
    static const fw::MessageMapEntry<FilteringButton> kMap[];
};
const fw::MessageMapEntry<FilteringButton> FilteringButton::kMap[] = {
    fw::OnMessage(WM_SETTEXT, &FilteringButton::OnSetText),
    fw::OnMessage(WM_LBUTTONUP, &FilteringButton::OnLButtonUp),
    fw::EndMessageMap<FilteringButton>(),
};

class HostDialog : public fw::Dialog {
public:
    HostDialog() : Dialog(IDD_ROUTING) {}
    FilteringButton button;
    FilteringButton ownerDrawn;
    int clicked = 0;

protected:
    void DoDataExchange() override {
        AttachControl(IDC_FIRST, button);
        AttachControl(IDC_OWNERDRAWN, ownerDrawn);
    }
    bool OnMessage(const fw::Msg& m, LRESULT& result) override {
        return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
    }

private:
    LRESULT OnFirst(const fw::Msg&) {
        ++clicked;
        return 0;
    }
    static const fw::MessageMapEntry<HostDialog> kMap[];
};
const fw::MessageMapEntry<HostDialog> HostDialog::kMap[] = {
    fw::OnCommand(IDC_FIRST, &HostDialog::OnFirst),
    fw::EndMessageMap<HostDialog>(),
};

TEST(SubclassedControl, GetsItsMessagesAndPassesTheRestOn) {
    HostDialog dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_TRUE(dlg.button.attachedHookRan);
    EXPECT_EQ(&dlg.button, fw::Window::FromHandle(dlg.Item(IDC_FIRST)));

    dlg.button.SetText("Passed on");
    char text[32];
    dlg.button.GetText(text, sizeof text);
    EXPECT_STREQ("Passed on", text);

    dlg.button.SetText("!swallowed");
    dlg.button.GetText(text, sizeof text);
    EXPECT_STREQ("Passed on", text);

    // A click goes through the control's handler and on to the button class, which notifies.
    ::SendMessageA(dlg.Item(IDC_FIRST), BM_CLICK, 0, 0);
    EXPECT_EQ(1, dlg.button.clicksSeen);
    EXPECT_EQ(1, dlg.clicked);
}

TEST(SubclassedControl, OwnerDrawnControlPaintsThroughReflection) {
    HostDialog dlg;
    ASSERT_TRUE(dlg.Create());
    ::InvalidateRect(dlg.Item(IDC_OWNERDRAWN), nullptr, TRUE);
    ::UpdateWindow(dlg.Item(IDC_OWNERDRAWN));
    EXPECT_GE(dlg.ownerDrawn.drawn, 1);
}

TEST(SubclassedControl, UnbindsWhenItsWindowGoes) {
    FilteringButton button;
    {
        HostDialog dlg;
        ASSERT_TRUE(dlg.Create());
        ASSERT_TRUE(button.Attach(dlg.Item(IDC_ITEM1)));
        EXPECT_FALSE(button.Attach(dlg.Item(IDC_ITEM2)));  // one window per object
    }
    EXPECT_EQ(nullptr, button.Handle());
}

}  // namespace
