#pragma once
// What every system test knows of Corvela's panel on the 1024 x 768 desktop with the task bar at the
// bottom: its title, where it stands, where its buttons are, and how to wait for it to stand there.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "PanelLabels.h"
#include "SimState.h"
#include "SuiteHarness.h"

namespace suite::panel {

using ::kMonitorTitle;  // the display-output dialog that the panel's command 2007 opens
using ::kPanelTitle;
inline constexpr char kStoreKey[] = "Software\\Brevant\\Corvela";
inline constexpr RECT kPlaced = {812, 103, 1024, 664};

// The panel's buttons 2000-2009 in client coordinates.
inline constexpr RECT kButtons[10] = {
    {104, 50, 120, 60}, {4, 72, 208, 120},  {4, 123, 208, 171}, {4, 174, 208, 222}, {4, 225, 208, 273},
    {4, 276, 208, 324}, {4, 327, 208, 375}, {4, 378, 208, 426}, {4, 429, 208, 477}, {104, 492, 120, 502},
};

// Where the panel keeps its index file while it is open: per user, under the local application
// data folder.
inline std::string UserIndexFile() {
    char folder[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return "";
    return std::string(folder) + "\\Brevant\\Corvela\\Pellary.ini";
}

// Where the panel rests the pointer on button 2000 + index.
inline POINT Spot(int index) {
    return POINT{kPlaced.left + kButtons[index].left + 1, kPlaced.top + kButtons[index].top + 1};
}
inline POINT Middle(int index) {
    const RECT& r = kButtons[index];
    return POINT{kPlaced.left + (r.left + r.right) / 2, kPlaced.top + (r.top + r.bottom) / 2};
}
inline bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

// Puts the pointer in the middle of button 2000 + `index` as a real pointer gets there, in more
// than one step (a button holding the capture takes the first move after a jump), and waits until
// it is there.
inline void HoverButton(int index) {
    const POINT at = Middle(index);
    RestPointerAt(at.x, at.y);
}
inline void ClickButton(int index) {
    const POINT at = Middle(index);
    ClickAt(at.x, at.y);
}

// An item of a store written for a test: a built-in command (system 1) or a user's program.
struct StoreItem {
    std::string key, name;
    DWORD system, command;
    std::string path;
};

// A store of exactly these items, checked and listed in this order (the same name in both
// languages), that keeps the tray program out of the play.
inline void WriteStore(const std::vector<StoreItem>& items) {
    DeleteTree(kStoreKey);
    SetDword(kStoreKey, "TrayChk", 0);
    DWORD order = 0;
    for (const StoreItem& item : items) {
        const std::string key = std::string(kStoreKey) + "\\" + item.key;
        SetString(key.c_str(), "0x409", item.name.c_str());
        SetString(key.c_str(), "0x412", item.name.c_str());
        SetString(key.c_str(), "Path", item.path.empty() ? "System" : item.path.c_str());
        SetDword(key.c_str(), "Order", ++order);
        SetDword(key.c_str(), "Check", 1);
        SetDword(key.c_str(), "System", item.system);
        SetDword(key.c_str(), "SystemCMD", item.command);
    }
}

// `count` user items "Item 1", "Item 2", ... whose program does not exist.
inline std::vector<StoreItem> StandIns(int count) {
    std::vector<StoreItem> items;
    for (int n = 1; n <= count; ++n) {
        char key[32];
        wsprintfA(key, "Stand-in %02d", n);
        items.push_back({key, "Item " + std::to_string(n), 0, 0, "C:\\nowhere\\none.exe"});
    }
    return items;
}

// Closes a panel left open (as a second start does) and waits for it to go.
inline void CloseAnyPanel(DWORD timeoutMs) {
    if (HWND open = ::FindWindowA(nullptr, kPanelTitle)) ::PostMessageA(open, WM_CLOSE, 0, 0);
    WaitForWindowGone(kPanelTitle, timeoutMs);
}

// Waits until `panel` stands in its place and has put the pointer on its first item; false when it
// never reached its place.
inline bool WaitPlaced(HWND panel, DWORD timeoutMs) {
    const bool placed = WaitUntil(
        [&] {
            RECT r = WindowRect(panel);
            return ::EqualRect(&r, &kPlaced) && ::IsWindowVisible(panel);
        },
        timeoutMs);
    WaitUntil([] { return SamePoint(PointerPos(), Spot(1)); }, 3000);
    Settle(200);
    return placed;
}

}  // namespace suite::panel
