#pragma once
// Shared pieces of the item tests: a scratch store key, the panel's texts, and a watcher that reads
// and closes the panel's message boxes. The stub's copies and logs, the firmware simulator's state
// and the encodings are the test support library's.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Encoding.h"
#include "ItemRecord.h"
#include "ItemTexts.h"
#include "MenuItemRecord.h"
#include "MenuItemStore.h"
#include "Paths.h"
#include "ScratchFolder.h"
#include "SimState.h"
#include "StoreNotifier.h"
#include "Stub.h"
#include "Wait.h"

using suite::Ansi;
using suite::InstallStub;
using suite::LogLinesWith;
using suite::ReadFileText;
using suite::RunningStub;
using suite::ScratchFolder;
using suite::WaitForText;

// Whether the platform gave this process the Korean string table.
bool KoreanInterface();
// A start of the stub logs at once: a log that stays empty for a while shows that nothing started.
bool NothingStarted(const std::string& log, DWORD quietMs = 300);

// Posts WM_CLOSE to every window of `windowClass` (stubs the code under test started).
void CloseWindowsOfClass(const char* windowClass);

// A store key of its own under HKCU, removed at the end.
class ScratchStore {
public:
    ScratchStore();
    ~ScratchStore();
    ScratchStore(const ScratchStore&) = delete;
    ScratchStore& operator=(const ScratchStore&) = delete;

    CMenuItemStore& Store() { return *store_; }
    const std::string& KeyPath() const { return keyPath_; }
    void AddItem(const char* keyName, const MenuItemRecord& record) { WriteItem(*store_, keyName, record); }
    std::string Text(const char* keyName, const char* valueName) const;
    void Remove();

private:
    struct Notes : IStoreNotifier {
        void ShowMessage(const char* text) override { shown.push_back(text ? text : ""); }
        std::vector<std::string> shown;
    };
    std::string keyPath_;
    Notes notes_;
    CMenuItemStore* store_;
};

// One message box as the user saw it.
struct SeenMessage {
    std::string text;
    bool hasIcon = false;
    HWND owner = nullptr;
};

// Reads and closes (with its OK button) every message box titled "Cor Vela" that a thread of this
// process shows, while it lives.
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    std::vector<SeenMessage> Seen();

private:
    void Run();
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenMessage> seen_;
    std::vector<HWND> handled_;
    std::thread thread_;
};

// The texts of the panel's string table, as this test program carries it.
const ItemTexts& Texts();
