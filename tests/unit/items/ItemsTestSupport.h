#pragma once
// Shared pieces of the item tests: a scratch store key, folders with copies of the stub program
// playing the outside programs, their logs, the firmware simulator, and a watcher that reads and
// closes the panel's message boxes.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ItemRecord.h"
#include "ItemTexts.h"
#include "ScratchFolder.h"
#include "MenuItemRecord.h"
#include "MenuItemStore.h"
#include "StoreNotifier.h"

using suite::ScratchFolder;

// Text of the ANSI code page from UTF-8 source text (Korean strings in the tests).
std::string Ansi(const char* utf8);
// Whether the platform gave this process the Korean string table.
bool KoreanInterface();

std::string ReadWholeFile(const std::string& path);
// Waits until the file holds `needle`.
bool WaitForText(const std::string& path, const std::string& needle, DWORD timeoutMs = 10000);
// Lines of a stub log that contain `part`.
std::vector<std::string> LogLinesWith(const std::string& path, const std::string& part);

// Copies the stub to `folder`\`fileName` (folders made as needed) with an ini beside it, so that
// the copy logs to `log` however it is started. `settings` adds "key=value" lines (class=, title=).
void InstallStub(const std::string& folder, const std::string& fileName, const std::string& log,
                 const std::vector<std::string>& settings = {});
// Starts a stub copy directly (for windows that must exist before the action) and waits until its
// window is there. The process is ended when the returned object goes.
class RunningStub {
public:
    RunningStub(const std::string& exe, const std::string& log);
    ~RunningStub();
    RunningStub(const RunningStub&) = delete;
    RunningStub& operator=(const RunningStub&) = delete;
    bool Ready() const { return ready_; }

private:
    PROCESS_INFORMATION process_{};
    bool ready_ = false;
};

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

// The firmware simulator's state (HKLM\Software\FirmwareSim of the prefix).
DWORD SimWord(const char* name, DWORD fallback = 0xDEAD0000);
void SetSimWord(const char* name, DWORD value);
// Whether the WMI locator of this prefix is the simulator (checked once, COM initialised).
bool SimulatorRegistered();

// The texts of the panel's string table, as this test program carries it.
const ItemTexts& Texts();
