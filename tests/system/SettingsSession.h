#pragma once
// A run of the real Tallyset.exe driven as a user drives it: rows clicked and moved with the
// pointer and the keys, buttons clicked, the editor filled in and confirmed. And the stores the
// settings tests start from, written as the suite writes them.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "RegistrySnapshot.h"
#include "SettingsWindow.h"
#include "SuiteHarness.h"

namespace suite::settings {

inline constexpr char kStoreKey[] = "Software\\Brevant\\Corvela";
inline constexpr DWORD kStartTimeoutMs = 20000;
inline constexpr DWORD kStepTimeoutMs = 8000;

struct StoreItem {
    const char* key;
    const char* name;  // UTF-8, written under both language values
    const char* path;  // "System" for a built-in item
    DWORD system;
    DWORD command;
    DWORD check;
};

// Two built-in items (the second named unlike its key) and three user items, Order 1 to 5:
// Suspend, Display Output (key "Monitor"), Alpha, Beta (unchecked), Gamma.
const std::vector<StoreItem>& MixedItems();
// Writes the store anew: the items in this order, every value of the record, "TrayChk" as given.
// `fillers` unchecked user items "Filler N" follow (the panel wants at least ten).
void WriteStore(const std::vector<StoreItem>& items, DWORD trayCheck, int fillers = 0);
// The rows the dialog shows for `items` (names, "System" or the path, the boxes).
std::vector<ListRow> RowsOf(const std::vector<StoreItem>& items);
std::string ItemPath(const std::string& key);

RegistryImage StoreImage();
// The entries that differ, one a line; empty when the images are equal.
std::string Differences(const RegistryImage& expected, const RegistryImage& found);

class Session {
public:
    // Starts `exe` (dist's Tallyset.exe when empty) in `folder` and waits for its filled list.
    explicit Session(const std::string& exe = std::string(), const std::string& folder = std::string());
    // Waits for a settings dialog that someone else started (the panel's settings item).
    struct Started {};
    Session(Started, DWORD timeoutMs);
    bool Open() const { return dialog_ != nullptr; }
    HWND Dialog() const { return dialog_; }
    RemoteList& List() { return *list_; }
    ProgramRun& Run() { return run_; }

    int RowOf(const std::wstring& name);
    void ClickRow(int row);
    void RightClickRow(int row);
    void Click(int id) { ClickControl(dialog_, id); }
    // A key as xdotool names it ("Up", "space", "Escape").
    void Key(const char* key);

    // Opens the editor (Add, or Update on the selected row) and moves it off the list, as a
    // user drags it aside to reach the list behind it.
    HWND OpenEditor(bool adding);
    static void Type(HWND editor, const std::wstring& name, const std::wstring& path);
    // Presses the editor's OK; true when it was accepted (the editor hides).
    static bool Confirm(HWND editor);

    void Add(const std::wstring& name, const std::wstring& path);
    void Edit(const std::wstring& row, const std::wstring& name, const std::wstring& path);
    void Delete(const std::wstring& row);
    void Move(const std::wstring& row, int id);

    // Presses the button and waits for the program to end.
    bool Finish(int id);

private:
    // Waits for the dialog, takes hold of its list and brings it to the front.
    void TakeDialog(DWORD timeoutMs);

    ProgramRun run_;
    HWND dialog_ = nullptr;
    std::unique_ptr<RemoteList> list_;
};

}  // namespace suite::settings
