// Routing of the framework's dialogs: message maps, pre-translation, modal and modeless runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Application.h"
#include "Dialog.h"
#include "MessageMap.h"
#include "PushButton.h"
#include "test_ids.h"

namespace {

const UINT kScriptDone = WM_APP + 1;
const UINT kCustom = WM_APP + 2;

// A button that records the keys it receives and passes everything on.
class KeyRecordingButton : public fw::PushButton {
public:
    explicit KeyRecordingButton(std::vector<std::string>& log) : log_(log) {}

protected:
    bool OnMessage(const fw::Msg& m, LRESULT& result) override {
        return fw::RouteMessage(this, kMap, m, result) || PushButton::OnMessage(m, result);
    }

private:
    LRESULT OnKeyDown(const fw::Msg& m) {
        log_.push_back("button key " + std::to_string(m.Key()));
        return Default();
    }
    static const fw::MessageMapEntry<KeyRecordingButton> kMap[];
    std::vector<std::string>& log_;
};
const fw::MessageMapEntry<KeyRecordingButton> KeyRecordingButton::kMap[] = {
    fw::OnMessage(WM_KEYDOWN, &KeyRecordingButton::OnKeyDown),
    fw::EndMessageMap<KeyRecordingButton>(),
};

// The dialog under test. Its initialisation posts a script of messages to itself; the handlers
// log what they see, and the last message of the script ends the dialog.
class RoutingDialog : public fw::Dialog {
public:
    using Script = void (*)(RoutingDialog&);
    explicit RoutingDialog(Script script, HWND parent = nullptr)
        : Dialog(IDD_ROUTING, parent), script_(script), first_(log) {}

    std::vector<std::string> log;
    bool consumeKeys = false;
    KeyRecordingButton& FirstButton() { return first_; }

    void Post(UINT message, WPARAM w = 0, LPARAM l = 0) { ::PostMessageA(Handle(), message, w, l); }

protected:
    void DoDataExchange() override { AttachControl(IDC_FIRST, first_); }
    bool OnInitDialog() override {
        Dialog::OnInitDialog();
        log.push_back("init");
        if (script_) script_(*this);
        return true;
    }
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_KEYDOWN) {
            log.push_back("pretranslate key " + std::to_string(msg.wParam));
            if (consumeKeys) return true;
        }
        return Dialog::PreTranslateMessage(msg);
    }
    bool OnMessage(const fw::Msg& m, LRESULT& result) override {
        return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
    }

private:
    LRESULT OnCreate(const fw::Msg&) {
        LRESULT r = Default();  // the default creation runs first and must succeed
        log.push_back("create " + std::to_string(r));
        return r;
    }
    LRESULT OnFirst(const fw::Msg&) {
        log.push_back("first");
        return 0;
    }
    LRESULT OnItem(const fw::Msg& m) {
        log.push_back("item " + std::to_string(m.CommandId()));
        return 0;
    }
    LRESULT OnNameChanged(const fw::Msg&) {
        log.push_back("name changed");
        return 0;
    }
    LRESULT OnNotifyFirst(const fw::Msg& m) {
        log.push_back("notify " + std::to_string(static_cast<int>(m.Notify()->code)));
        return 7;
    }
    LRESULT OnCustom(const fw::Msg& m) {
        log.push_back("custom " + std::to_string(m.wParam));
        return 0;
    }
    LRESULT OnDone(const fw::Msg& m) {
        EndDialog(static_cast<INT_PTR>(m.wParam));
        return 0;
    }
    static const fw::MessageMapEntry<RoutingDialog> kMap[];
    Script script_;
    KeyRecordingButton first_;
};

const fw::MessageMapEntry<RoutingDialog> RoutingDialog::kMap[] = {
    fw::OnMessage(WM_CREATE, &RoutingDialog::OnCreate),
    fw::OnCommand(IDC_FIRST, &RoutingDialog::OnFirst),
    fw::OnCommandRange(IDC_ITEM1, IDC_ITEM3, &RoutingDialog::OnItem),
    fw::OnControl(EN_CHANGE, IDC_NAME, &RoutingDialog::OnNameChanged),
    fw::OnNotify(NM_CLICK, IDC_FIRST, &RoutingDialog::OnNotifyFirst),
    fw::OnMessage(kCustom, &RoutingDialog::OnCustom),
    fw::OnMessage(kScriptDone, &RoutingDialog::OnDone),
    fw::EndMessageMap<RoutingDialog>(),
};

TEST(DialogRouting, HandlersRunForMessagesIdsRangesAndNotificationsInDeliveryOrder) {
    RoutingDialog dlg([](RoutingDialog& d) {
        d.Post(kCustom, 1);
        d.Post(WM_COMMAND, MAKEWPARAM(IDC_ITEM2, BN_CLICKED), 0);
        d.Post(WM_COMMAND, MAKEWPARAM(IDC_FIRST, BN_CLICKED), 0);
        d.Post(WM_COMMAND, MAKEWPARAM(IDC_ITEM3, BN_CLICKED), 0);
        d.Post(WM_COMMAND, MAKEWPARAM(IDC_ITEM1 - 1 + 100, BN_CLICKED), 0);  // outside every entry
        d.Post(kCustom, 2);
        d.Post(kScriptDone, 5);
        ::SetDlgItemTextA(d.Handle(), IDC_NAME, "typed");  // EN_CHANGE is sent at once
    });
    EXPECT_EQ(5, dlg.DoModal());
    const std::vector<std::string> expected = {"create 0", "init",     "name changed", "custom 1",
                                               "item 1002", "first",   "item 1003",    "custom 2"};
    EXPECT_EQ(expected, dlg.log);
}

TEST(DialogRouting, NotifyEntryReturnsItsResultToTheSender) {
    LRESULT answer = 0;
    static LRESULT* out = &answer;
    RoutingDialog dlg([](RoutingDialog& d) {
        NMHDR hdr{d.Item(IDC_FIRST), IDC_FIRST, static_cast<UINT>(NM_CLICK)};
        *out = ::SendMessageA(d.Handle(), WM_NOTIFY, IDC_FIRST, reinterpret_cast<LPARAM>(&hdr));
        NMHDR other{d.Item(IDC_ITEM1), IDC_ITEM1, static_cast<UINT>(NM_CLICK)};
        ::SendMessageA(d.Handle(), WM_NOTIFY, IDC_ITEM1, reinterpret_cast<LPARAM>(&other));
        d.Post(kScriptDone, 1);
    });
    dlg.DoModal();
    EXPECT_EQ(7, answer);
    EXPECT_EQ(1, std::count(dlg.log.begin(), dlg.log.end(), "notify " + std::to_string(static_cast<int>(NM_CLICK))));
}

TEST(DialogRouting, PreTranslationSeesAKeyBeforeTheFocusedControl) {
    RoutingDialog dlg([](RoutingDialog& d) {
        ::SetFocus(d.Item(IDC_FIRST));
        ::PostMessageA(d.Item(IDC_FIRST), WM_KEYDOWN, 'Q', 0);
        d.Post(kScriptDone, 1);
    });
    dlg.DoModal();
    const std::string pre = "pretranslate key " + std::to_string('Q');
    const std::string button = "button key " + std::to_string('Q');
    auto p = std::find(dlg.log.begin(), dlg.log.end(), pre);
    auto b = std::find(dlg.log.begin(), dlg.log.end(), button);
    ASSERT_NE(dlg.log.end(), p);
    ASSERT_NE(dlg.log.end(), b);
    EXPECT_LT(p - dlg.log.begin(), b - dlg.log.begin());
}

TEST(DialogRouting, AKeyConsumedByPreTranslationNeverReachesTheControl) {
    RoutingDialog dlg([](RoutingDialog& d) {
        d.consumeKeys = true;
        ::SetFocus(d.Item(IDC_FIRST));
        ::PostMessageA(d.Item(IDC_FIRST), WM_KEYDOWN, 'A', 0);
        d.Post(kScriptDone, 1);
    });
    dlg.DoModal();
    EXPECT_NE(dlg.log.end(), std::find(dlg.log.begin(), dlg.log.end(), "pretranslate key 65"));
    EXPECT_EQ(dlg.log.end(), std::find(dlg.log.begin(), dlg.log.end(), "button key 65"));
}

TEST(DialogRouting, EscapeEndsTheModalRunWithCancel) {
    RoutingDialog dlg([](RoutingDialog& d) {
        ::SetFocus(d.Item(IDC_FIRST));
        ::PostMessageA(d.Item(IDC_FIRST), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.Handle());
}

TEST(DialogRouting, CloseEndsTheModalRunWithCancel) {
    RoutingDialog dlg([](RoutingDialog& d) { d.Post(WM_CLOSE); });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

// An application object sits in front of every pre-translation, as the programs' objects do.
class KeyFilterApp : public fw::Application {
public:
    bool InitInstance() override { return false; }
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_F1) {
            ++f1Seen;
            return false;  // passed on without the dialog's pre-translation
        }
        return Application::PreTranslateMessage(msg);
    }
    int f1Seen = 0;
};

TEST(DialogRouting, TheApplicationPreTranslatesBeforeTheDialog) {
    KeyFilterApp app;
    RoutingDialog dlg([](RoutingDialog& d) {
        ::SetFocus(d.Item(IDC_FIRST));
        ::PostMessageA(d.Item(IDC_FIRST), WM_KEYDOWN, VK_F1, 0);
        ::PostMessageA(d.Item(IDC_FIRST), WM_KEYDOWN, VK_F2, 0);
        d.Post(kScriptDone, 1);
    });
    dlg.DoModal();
    EXPECT_EQ(1, app.f1Seen);
    EXPECT_EQ(dlg.log.end(), std::find(dlg.log.begin(), dlg.log.end(), "pretranslate key 112"));
    EXPECT_NE(dlg.log.end(), std::find(dlg.log.begin(), dlg.log.end(), "pretranslate key 113"));
    EXPECT_NE(dlg.log.end(), std::find(dlg.log.begin(), dlg.log.end(), "button key 112"));
}

// A modeless dialog that counts its custom messages and ends nothing.
class SideDialog : public fw::Dialog {
public:
    SideDialog() : Dialog(IDD_SIDE) {}
    int customs = 0;
    int clicks = 0;

protected:
    bool OnMessage(const fw::Msg& m, LRESULT& result) override {
        return fw::RouteMessage(this, kMap, m, result) || Dialog::OnMessage(m, result);
    }

private:
    LRESULT OnCustom(const fw::Msg&) {
        ++customs;
        return 0;
    }
    LRESULT OnSide(const fw::Msg&) {
        ++clicks;
        return 0;
    }
    static const fw::MessageMapEntry<SideDialog> kMap[];
};
const fw::MessageMapEntry<SideDialog> SideDialog::kMap[] = {
    fw::OnMessage(kCustom, &SideDialog::OnCustom),
    fw::OnCommand(IDC_SIDE_BUTTON, &SideDialog::OnSide),
    fw::EndMessageMap<SideDialog>(),
};

TEST(DialogRouting, AModelessDialogWorksBesideAModalOne) {
    static SideDialog* side = nullptr;
    SideDialog modeless;
    side = &modeless;
    ASSERT_TRUE(modeless.Create());
    EXPECT_TRUE(::IsWindowVisible(modeless.Handle()));
    RoutingDialog dlg([](RoutingDialog& d) {
        ::PostMessageA(side->Handle(), kCustom, 0, 0);
        ::PostMessageA(side->Item(IDC_SIDE_BUTTON), BM_CLICK, 0, 0);
        ::PostMessageA(side->Handle(), kCustom, 0, 0);
        d.Post(kScriptDone, 3);
    });
    EXPECT_EQ(3, dlg.DoModal());
    EXPECT_EQ(2, modeless.customs);
    EXPECT_EQ(1, modeless.clicks);
    // Ending a modeless dialog hides it and keeps its window.
    modeless.EndDialog(IDOK);
    EXPECT_FALSE(::IsWindowVisible(modeless.Handle()));
    EXPECT_EQ(IDOK, modeless.Result());
}

TEST(DialogRouting, AModalDialogDisablesItsOwnerForTheRunOnly) {
    SideDialog owner;
    ASSERT_TRUE(owner.Create());
    static HWND ownerHwnd = owner.Handle();
    static BOOL enabledDuringRun = TRUE;
    RoutingDialog child(
        [](RoutingDialog& d) {
            enabledDuringRun = ::IsWindowEnabled(ownerHwnd);
            d.Post(kScriptDone, 9);
        },
        owner.Handle());
    EXPECT_EQ(9, child.DoModal());
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
}

}  // namespace
