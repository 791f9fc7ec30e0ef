#pragma once
// A private corner of the registry and of the temp folder for one test: the keys User and Machine
// under HKCU\Software\CorvelaTest\<process>-<n> stand in for the two roots of the store, so tests run the
// store's own key path without touching the real store, and a folder holds the index file.
#include <windows.h>

#include <string>
#include <vector>

#include "Encoding.h"
#include "Handles.h"
#include "ItemRecord.h"
#include "MenuItemStore.h"
#include "StoreRegistry.h"

class RecordingNotifier : public IStoreNotifier {
public:
    void ShowMessage(const char* text) override { messages.emplace_back(text ? text : "<null>"); }
    std::vector<std::string> messages;
};

class StoreSandbox {
public:
    StoreSandbox();
    ~StoreSandbox();
    StoreSandbox(const StoreSandbox&) = delete;
    StoreSandbox& operator=(const StoreSandbox&) = delete;

    HKEY User() const { return user_.Get(); }
    HKEY Machine() const { return machine_.Get(); }
    // Registry path of the user root, as a registry script names it.
    std::string UserScriptPath() const { return "HKEY_CURRENT_USER\\" + base_ + "\\User"; }
    const std::string& Folder() const { return folder_; }
    std::string IndexPath() const { return folder_ + "\\Pellary.ini"; }

    // Settings for a store on the sandbox, reporting to `notifier`.
    StoreSettings Settings();

    // Writes under root\Software\Brevant\Corvela[\item].
    void PutDword(HKEY root, const char* item, const char* name, DWORD value) const;
    void PutText(HKEY root, const char* item, const char* name, const std::string& text) const;
    void PutRaw(HKEY root, const char* item, const char* name, DWORD type, const void* data,
                DWORD size) const;
    void PutItem(HKEY root, const char* item, DWORD order, DWORD check = 0,
                 const char* english = nullptr) const;
    void PutItems(HKEY root, DWORD count, const char* prefix = "Item") const;
    bool HasValue(HKEY root, const char* item, const char* name) const;
    DWORD Dword(HKEY root, const char* item, const char* name) const;  // MAXDWORD when not a DWORD

    std::string Ini(const char* section, const char* key) const;  // "<absent>" when absent
    std::string ItemPath(const char* item) const;

    RecordingNotifier notifier;

private:
    std::string base_;
    std::string folder_;
    fw::RegKey user_;
    fw::RegKey machine_;
};

// "<folder of the test program>\<relative>"
std::string BesideTestProgram(const char* relative);
// Milliseconds since an arbitrary start.
double NowMs();
using suite::Ansi;

// The suite's config.bin (beside the programs in the build) as UTF-16 text, without its mark.
std::wstring ReadConfigBin();
// Writes `script` as a registry script (UTF-16LE with a byte-order mark) to `path`.
bool WriteRegistryScript(const std::string& path, const std::wstring& script);
// config.bin with its key paths moved into the sandbox's user root.
std::wstring SandboxConfig(const StoreSandbox& box);
