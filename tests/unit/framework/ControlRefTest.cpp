// The message-only wrappers of the common controls, on real controls of a dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "CheckBox.h"
#include "Dialog.h"
#include "EditBox.h"
#include "ListView.h"
#include "test_ids.h"

namespace {

class ControlsDialog : public fw::Dialog {
public:
    ControlsDialog() : Dialog(IDD_CONTROLS) {}
};

class ControlRefTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        ASSERT_TRUE(dlg.Create());
    }
    ControlsDialog dlg;
};

TEST_F(ControlRefTest, ListViewKeepsRowsTextsChecksDataAndSelection) {
    fw::ListView list(dlg.Handle(), IDC_LIST);
    list.AddExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(0, list.InsertColumn(0, "Name", 80));
    EXPECT_EQ(1, list.InsertColumn(1, "Path", 80, LVCFMT_CENTER));

    const std::string longPath(700, 'p');  // beyond any first guess of a buffer
    struct Row { const char* name; std::string path; LPARAM data; bool checked; };
    const Row rows[] = {{"first", "a.exe", 10, true}, {"second", longPath, 20, false}, {"", "", 30, true}};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(i, list.InsertRow(i, rows[i].name, rows[i].data));
        EXPECT_TRUE(list.SetText(i, 1, rows[i].path.c_str()));
        list.SetChecked(i, rows[i].checked);
    }
    ASSERT_EQ(3, list.Count());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].name, list.Text(i, 0));
        EXPECT_EQ(rows[i].path, list.Text(i, 1));
        EXPECT_EQ(rows[i].data, list.Data(i));
        EXPECT_EQ(rows[i].checked, list.IsChecked(i));
    }
    EXPECT_EQ("", list.Text(7, 0)) << "no such row";

    EXPECT_EQ(-1, list.Selected());
    list.Select(1);
    EXPECT_EQ(1, list.Selected());
    list.Select(2);  // single selection: the other row lets go
    EXPECT_EQ(2, list.Selected());

    EXPECT_TRUE(list.SetData(0, 99));
    EXPECT_EQ(99, list.Data(0));
    EXPECT_TRUE(list.DeleteRow(0));
    EXPECT_EQ(2, list.Count());
    EXPECT_EQ(longPath, list.Text(0, 1));
    list.DeleteAll();
    EXPECT_EQ(0, list.Count());
}

TEST_F(ControlRefTest, EditAndCheckBoxReadBackWhatWasSet) {
    fw::EditBox edit(dlg.Handle(), IDC_EDIT);
    const std::string text(5000, 'x');
    edit.SetText(text.c_str());
    EXPECT_EQ(text, edit.Text());
    edit.SetText(nullptr);
    EXPECT_EQ("", edit.Text());
    edit.SetLimit(4);
    ::SendMessageA(edit.Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("abcdefgh"));
    EXPECT_EQ("abcd", edit.Text()) << "typing stops at the limit";

    fw::CheckBox check(dlg.Handle(), IDC_CHECK);
    EXPECT_FALSE(check.IsChecked());
    check.SetChecked(true);
    EXPECT_TRUE(check.IsChecked());
    check.Enable(false);
    EXPECT_FALSE(check.IsEnabled());
}

// A dialog opened over another window lands centred on it, but never leaves the work area.
TEST_F(ControlRefTest, CenterOverKeepsTheWindowOnTheWorkArea) {
    RECT work;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    RECT dialog;
    ASSERT_TRUE(::GetWindowRect(dlg.Handle(), &dialog));
    const LONG w = dialog.right - dialog.left;
    const LONG h = dialog.bottom - dialog.top;
    struct Case {
        const char* name;
        RECT other;
        POINT expected;  // top left of the dialog
    };
    const LONG midX = (work.left + work.right) / 2;
    const LONG midY = (work.top + work.bottom) / 2;
    const Case cases[] = {
        {"middle", {midX - 200, midY - 150, midX + 200, midY + 150}, {midX - w / 2, midY - h / 2}},
        {"bottom right corner", {work.right - 40, work.bottom - 30, work.right, work.bottom},
         {work.right - w, work.bottom - h}},
        {"top left corner", {work.left, work.top, work.left + 20, work.top + 20}, {work.left, work.top}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, c.other.left, c.other.top,
                                       c.other.right - c.other.left, c.other.bottom - c.other.top, nullptr,
                                       nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, other);
        dlg.CenterOver(other);
        RECT now;
        ASSERT_TRUE(::GetWindowRect(dlg.Handle(), &now));
        EXPECT_EQ(c.expected.x, now.left);
        EXPECT_EQ(c.expected.y, now.top);
        EXPECT_EQ(w, now.right - now.left) << "the size stays";
        ::DestroyWindow(other);
    }
}

}  // namespace
