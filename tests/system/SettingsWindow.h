#pragma once
// Tallyset's windows seen from outside: the settings dialog (its list view read through the
// memory of the program, its buttons and check box), the item editor and the message boxes,
// found by title in the language the program runs in.
#include <windows.h>

#include <string>
#include <vector>

#include "SuiteHarness.h"

namespace suite::settings {

// Control ids of the settings dialog and of the editor.
enum : int {
    kOk = 1000, kCancel = 1001, kUpdate = 1002, kAdd = 1003, kDelete = 1004, kMoveUp = 1005,
    kMoveDown = 1006, kTrayBox = 1008, kList = 1011, kNameEdit = 1012, kPathEdit = 1013, kSearch = 3,
};

bool KoreanUi();
// Titles of the settings dialog and of the editor in the user interface language.
std::wstring SettingsTitle();
std::wstring EditorTitle(bool adding);

// A top-level window of class "#32770" with the title `title`, within `timeoutMs`.
HWND WaitForDialogW(const std::wstring& title, DWORD timeoutMs);

// One row of the list as the user sees it.
struct ListRow {
    std::wstring name;
    std::wstring path;
    bool checked = false;
    bool operator==(const ListRow& o) const { return name == o.name && path == o.path && checked == o.checked; }
};
std::string Describe(const std::vector<ListRow>& rows);

// The list view of another process: counts and states by message, texts and rectangles through
// memory allocated in that process.
class RemoteList {
public:
    explicit RemoteList(HWND list);
    ~RemoteList();
    RemoteList(const RemoteList&) = delete;
    RemoteList& operator=(const RemoteList&) = delete;

    int Count() const;
    int Selected() const;
    bool Checked(int row) const;
    std::wstring Text(int row, int column) const;
    std::vector<ListRow> Rows() const;
    // Screen point in the middle of the row's first column.
    POINT RowPoint(int row) const;

private:
    HWND list_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

// A click through the X server (suite::XdoTool), as a user gives it: a click sent with SendInput by
// this program sometimes reaches a button of the program under test twice. Button 1 left, 3 right.
bool XClick(int x, int y, int button);
// Clicks a control of `dialog` where a user would (through SendInput).
void ClickControl(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
// The text of a control of another program (an edit control keeps it where only WM_GETTEXT reaches).
std::wstring ControlText(HWND dialog, int id);
bool BoxChecked(HWND dialog, int id);

// The message box titled "Cor Vela" owned by `owner`, within `timeoutMs`; null if none.
HWND WaitForMessageBox(HWND owner, DWORD timeoutMs);
// Its text, then its OK pressed; the box is gone when this returns true.
std::wstring MessageText(HWND box);
bool DismissMessageBox(HWND box, DWORD timeoutMs);

}  // namespace suite::settings
