#include "SettingsWindow.h"

#include <commctrl.h>

namespace suite::settings {
namespace {

const SIZE_T kRemoteBytes = 4096;
const int kTextChars = 1024;

struct FindDialog {
    const std::wstring* title;
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM param) {
    auto* find = reinterpret_cast<FindDialog*>(param);
    wchar_t cls[16] = {};
    ::GetClassNameW(hwnd, cls, 16);
    if (std::wstring(cls) != L"#32770" || WindowTextW(hwnd) != *find->title) return TRUE;
    if (find->owner && ::GetWindow(hwnd, GW_OWNER) != find->owner) return TRUE;
    find->found = hwnd;
    return FALSE;
}

HWND FindDialogW(const std::wstring& title, HWND owner) {
    FindDialog find{&title, owner, nullptr};
    ::EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

}  // namespace

bool XClick(int x, int y, int button) {
    return XdoTool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click " + std::to_string(button));
}

bool KoreanUi() { return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_KOREAN; }

std::wstring SettingsTitle() { return FromUtf8(KoreanUi() ? "Cor Vela 설정" : "Cor Vela Configuration"); }

std::wstring EditorTitle(bool adding) {
    if (KoreanUi()) return FromUtf8(adding ? "새 메뉴 항목 추가." : "메뉴 항목 수정");
    return adding ? L"Add New Menu Item" : L"Update Menu Item";
}

HWND WaitForDialogW(const std::wstring& title, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialogW(title, nullptr)) != nullptr && ::IsWindowVisible(found); },
              timeoutMs);
    return found && ::IsWindowVisible(found) ? found : nullptr;
}

std::string Describe(const std::vector<ListRow>& rows) {
    std::string out;
    for (const ListRow& r : rows) {
        std::string name;
        for (wchar_t c : r.name + L"|" + r.path) name += c < 0x80 ? static_cast<char>(c) : '?';
        out += std::string("[") + (r.checked ? "x " : "  ") + name + "]";
    }
    return out;
}

RemoteList::RemoteList(HWND list) : list_(list) {
    process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, WindowProcess(list));
    if (process_)
        remote_ = ::VirtualAllocEx(process_, nullptr, kRemoteBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteList::~RemoteList() {
    if (remote_) ::VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_) ::CloseHandle(process_);
}

int RemoteList::Count() const { return static_cast<int>(::SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

int RemoteList::Selected() const {
    return static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

bool RemoteList::Checked(int row) const {
    const LRESULT state = ::SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

// The item structure and the text buffer both live in the program's memory: the list view
// writes the text where the structure points.
std::wstring RemoteList::Text(int row, int column) const {
    if (!remote_) return L"<no access>";
    auto* base = static_cast<BYTE*>(remote_);
    LVITEMW item{};
    item.iSubItem = column;
    item.cchTextMax = kTextChars;
    item.pszText = reinterpret_cast<wchar_t*>(base + sizeof(LVITEMW));
    if (!::WriteProcessMemory(process_, base, &item, sizeof(item), nullptr)) return L"<write failed>";
    const LRESULT n = ::SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(base));
    std::wstring text(kTextChars, L'\0');
    if (!::ReadProcessMemory(process_, item.pszText, &text[0], kTextChars * sizeof(wchar_t), nullptr))
        return L"<read failed>";
    text.resize(n > 0 && n < kTextChars ? static_cast<std::size_t>(n) : 0);
    return text;
}

std::vector<ListRow> RemoteList::Rows() const {
    std::vector<ListRow> rows;
    for (int i = 0; i < Count(); ++i) rows.push_back(ListRow{Text(i, 0), Text(i, 1), Checked(i)});
    return rows;
}

POINT RemoteList::RowPoint(int row) const {
    RECT rect{LVIR_LABEL, 0, 0, 0};
    POINT pt{0, 0};
    if (!remote_ || !::WriteProcessMemory(process_, remote_, &rect, sizeof(rect), nullptr) ||
        !::SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote_)) ||
        !::ReadProcessMemory(process_, remote_, &rect, sizeof(rect), nullptr))
        return pt;
    pt = POINT{rect.left + 20, (rect.top + rect.bottom) / 2};
    ::ClientToScreen(list_, &pt);
    return pt;
}

void ClickControl(HWND dialog, int id) {
    RECT r = WindowRect(::GetDlgItem(dialog, id));
    XClick((r.left + r.right) / 2, (r.top + r.bottom) / 2, 1);
}

std::wstring ControlText(HWND dialog, int id) {
    std::wstring text(1024, L'\0');
    const LRESULT n = ::SendMessageW(::GetDlgItem(dialog, id), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return text;
}

bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

bool BoxChecked(HWND dialog, int id) {
    return ::SendMessageW(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND WaitForMessageBox(HWND owner, DWORD timeoutMs) {
    const std::wstring title = L"Cor Vela";
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialogW(title, owner)) != nullptr; }, timeoutMs);
    return found;
}

std::wstring MessageText(HWND box) { return WindowTextW(::GetDlgItem(box, 0xFFFF)); }

bool DismissMessageBox(HWND box, DWORD timeoutMs) {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return WaitUntil([&] { return !::IsWindow(box); }, timeoutMs);
}

}  // namespace suite::settings
