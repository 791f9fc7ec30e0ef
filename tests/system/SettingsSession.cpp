#include "SettingsSession.h"

#include <shlwapi.h>

#include <gtest/gtest.h>

namespace suite::settings {
namespace {

void SetWide(HWND control, const std::wstring& text) {
    ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

const std::vector<StoreItem>& MixedItems() {
    static const std::vector<StoreItem> items = {
        {"Suspend", "Suspend", "System", 1, 2008, 1},
        {"Monitor", "Display Output", "System", 1, 2007, 1},
        {"Alpha", "Alpha", "C:\\apps\\alpha.exe", 0, 0, 1},
        {"Beta", "Beta", "C:\\apps\\beta.exe", 0, 0, 0},
        {"Gamma", "Gamma", "C:\\apps\\gamma.exe", 0, 0, 1},
    };
    return items;
}

std::string ItemPath(const std::string& key) { return std::string(kStoreKey) + "\\" + key; }

void WriteStore(const std::vector<StoreItem>& items, DWORD trayCheck, int fillers) {
    DeleteTree(kStoreKey);
    SetDword(kStoreKey, "TrayChk", trayCheck);
    std::vector<StoreItem> all = items;
    std::vector<std::string> fillerNames;
    for (int n = 1; n <= fillers; ++n) fillerNames.push_back("Filler " + std::to_string(n));
    for (const std::string& f : fillerNames) all.push_back({f.c_str(), f.c_str(), "C:\\apps\\filler.exe", 0, 0, 0});
    DWORD order = 0;
    for (const StoreItem& item : all) {
        const std::string key = ItemPath(item.key);
        // Names are UTF-8 in the sources: written as UTF-16, they arrive whole in any code page.
        const std::wstring wideKey = FromUtf8(key.c_str());
        for (const wchar_t* value : {L"0x409", L"0x412"}) {
            const std::wstring name = FromUtf8(item.name);
            ::SHSetValueW(HKEY_CURRENT_USER, wideKey.c_str(), value, REG_SZ, name.c_str(),
                          static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
        }
        SetString(key.c_str(), "Path", item.path);
        SetDword(key.c_str(), "Order", ++order);
        SetDword(key.c_str(), "Check", item.check);
        SetDword(key.c_str(), "System", item.system);
        SetDword(key.c_str(), "SystemCMD", item.command);
        for (const char* flag : {"New", "Delete", "Update"}) SetDword(key.c_str(), flag, 0);
        SetString(key.c_str(), "TempPath", "");
        SetString(key.c_str(), "TempName", "");
    }
}

std::vector<ListRow> RowsOf(const std::vector<StoreItem>& items) {
    std::vector<ListRow> rows;
    for (const StoreItem& i : items) rows.push_back(ListRow{FromUtf8(i.name), FromUtf8(i.path), i.check == 1});
    return rows;
}

RegistryImage StoreImage() { return RegistrySnapshot::ImageOf(HKEY_CURRENT_USER, kStoreKey); }

std::string Differences(const RegistryImage& expected, const RegistryImage& found) {
    std::string out;
    for (const auto& e : expected) {
        auto f = found.find(e.first);
        if (f == found.end() || f->second != e.second) out += "- " + e.first + " = " + e.second + "\n";
        if (f != found.end() && f->second != e.second) out += "+ " + f->first + " = " + f->second + "\n";
    }
    for (const auto& f : found)
        if (!expected.count(f.first)) out += "+ " + f.first + " = " + f.second + "\n";
    return out;
}

Session::Session(const std::string& exe, const std::string& folder) {
    run_ = exe.empty() ? ProgramRun::Start("Tallyset.exe") : ProgramRun::StartFile(exe, nullptr, folder);
    TakeDialog(kStartTimeoutMs);
}

Session::Session(Started, DWORD timeoutMs) {
    TakeDialog(timeoutMs);
    if (dialog_) run_ = ProgramRun::Attach(WindowProcess(dialog_));
}

void Session::TakeDialog(DWORD timeoutMs) {
    dialog_ = WaitForDialogW(SettingsTitle(), timeoutMs);
    if (!dialog_) return;
    list_ = std::make_unique<RemoteList>(::GetDlgItem(dialog_, kList));
    ::SetForegroundWindow(dialog_);
    Settle(200);
}

int Session::RowOf(const std::wstring& name) {
    for (int i = 0; i < list_->Count(); ++i)
        if (list_->Text(i, 0) == name) return i;
    return -1;
}

void Session::ClickRow(int row) {
    const POINT at = list_->RowPoint(row);
    XClick(at.x, at.y, 1);
    WaitUntil([&] { return list_->Selected() == row; }, kStepTimeoutMs);
}

void Session::RightClickRow(int row) {
    const POINT at = list_->RowPoint(row);
    XClick(at.x, at.y, 3);
    WaitUntil([&] { return list_->Selected() == row; }, kStepTimeoutMs);
}

void Session::Key(const char* key) {
    XdoTool(std::string("key ") + key);
    Settle(150);
}

HWND Session::OpenEditor(bool adding) {
    Click(adding ? kAdd : kUpdate);
    HWND editor = WaitForDialogW(EditorTitle(adding), kStepTimeoutMs);
    if (editor) {
        const RECT r = WindowRect(editor);
        ::SetWindowPos(editor, nullptr, 1024 - (r.right - r.left), 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Settle(100);
    }
    return editor;
}

void Session::Type(HWND editor, const std::wstring& name, const std::wstring& path) {
    SetWide(::GetDlgItem(editor, kNameEdit), name);
    SetWide(::GetDlgItem(editor, kPathEdit), path);
}

bool Session::Confirm(HWND editor) {
    ClickControl(editor, IDOK);
    return WaitUntil([&] { return !::IsWindowVisible(editor); }, 1500);
}

void Session::Add(const std::wstring& name, const std::wstring& path) {
    const int before = list_->Count();
    HWND editor = OpenEditor(true);
    ASSERT_NE(nullptr, editor);
    Type(editor, name, path);
    ASSERT_TRUE(Confirm(editor));
    ASSERT_TRUE(WaitUntil([&] { return list_->Count() == before + 1; }, kStepTimeoutMs));
}

void Session::Edit(const std::wstring& row, const std::wstring& name, const std::wstring& path) {
    ClickRow(RowOf(row));
    HWND editor = OpenEditor(false);
    ASSERT_NE(nullptr, editor);
    Type(editor, name, path);
    ASSERT_TRUE(Confirm(editor));
    ASSERT_TRUE(WaitUntil([&] { return RowOf(name) >= 0; }, kStepTimeoutMs));
}

void Session::Delete(const std::wstring& row) {
    const int before = list_->Count();
    ClickRow(RowOf(row));
    Click(kDelete);
    ASSERT_TRUE(WaitUntil([&] { return list_->Count() == before - 1; }, kStepTimeoutMs));
}

void Session::Move(const std::wstring& row, int id) {
    ClickRow(RowOf(row));
    const int from = list_->Selected();
    Click(id);
    WaitUntil([&] { return list_->Selected() != from; }, 1000);
}

bool Session::Finish(int id) {
    Click(id);
    return run_.WaitForExit(kStepTimeoutMs);
}

}  // namespace suite::settings
