#pragma once
// The menu item store shared by the panel (Corvela) and the settings dialog (Tallyset): one
// registry key with the root value "TrayChk" and one subkey per menu item, the index file
// "Pellary.ini" derived from it, and the default item set "config.bin" that repairs it.
//
// The registry is authoritative and is read afresh at each call; nothing is cached here.
#include <windows.h>

#include <cstddef>
#include <string>

#include "DefaultsImporter.h"
#include "MenuItemRecord.h"
#include "StoreNotifier.h"
#include "Text.h"

struct StoreSettings {
    HKEY userRoot = HKEY_CURRENT_USER;
    HKEY machineRoot = HKEY_LOCAL_MACHINE;
    // Path of the store key under both roots. Tests point it at a key of their own.
    std::string keyPath = kStoreKeyPath;
    // Name of the value that holds the display names the caller shows and looks up. The panel
    // passes string 7 of its string table ("0x409" in the English table, "0x412" in the Korean
    // one); empty means CMenuItemStore::LanguageValueName(), which follows the system locale.
    std::string displayValueName;
    // Folder of "config.bin", without a trailing backslash; empty: the running program's folder.
    std::string defaultsFolder;
    // How long a reset waits for the registry editor before it goes on with what is there.
    DWORD importTimeoutMs = 15000;
    // Not owned; null: a message box captioned "Cor Vela" / the registry editor.
    IStoreNotifier* notifier = nullptr;
    IDefaultsImporter* importer = nullptr;
};

class CMenuItemStore {
public:
    CMenuItemStore() : CMenuItemStore(StoreSettings{}) {}
    explicit CMenuItemStore(StoreSettings settings);

    // "0x412" when the system default locale is Korean, otherwise "0x409": the value under which
    // writers put an item's display name.
    static const char* LanguageValueName();
    static const char* LanguageValueNameFor(LCID systemLocale);

    const StoreSettings& Settings() const { return settings_; }
    const std::string& KeyPath() const { return settings_.keyPath; }
    // The value name of the display names this store reads and compares.
    const char* DisplayValueName() const;
    // "<store key>\<keyName>": the key path of an item, for the value operations below.
    std::string ItemPath(const char* keyName) const;
    // "<defaults folder>\config.bin".
    std::string DefaultsScriptPath() const;

    // Number of item keys, 0 to 10000; 0 when the store key cannot be opened.
    DWORD CountItems() const;

    // Value access under the user root. `keyPath` is a full path such as KeyPath() or ItemPath().
    // Numbers are 4-byte REG_DWORDs; anything else reads as a failure with `*value` = 0.
    int ReadDword(const std::string& keyPath, const char* valueName, DWORD* value) const;
    // Opens the key for setting values or creates it; on failure shows "Set Registry Error".
    int WriteDword(const std::string& keyPath, const char* valueName, DWORD value) const;
    // `buffer` (of `cap` bytes, normally 260) is zero-filled first and receives at most cap - 1
    // bytes of text.
    int ReadString(const std::string& keyPath, const char* valueName, char* buffer,
                   std::size_t cap = kTextCap) const;
    // Writes `length` bytes of `text` without a terminator; failures are silent.
    int WriteString(const std::string& keyPath, const char* valueName, const char* text, DWORD length) const;
    int WriteString(const std::string& keyPath, const char* valueName, const char* text) const;

    // Rebuilds the section "Order" of the index file from the items' "Order" values and clears
    // "New" and "Delete" on the item keys it visits; see the .cpp for the exact rule. False when
    // the file could not be written (a store that cannot be opened writes nothing, and is no
    // failure of the file).
    bool RebuildOrderIndex(const char* indexFilePath);
    // Rebuilds the section "Check" from the section "Order" and the items' "Check" values. False
    // when the file could not be written.
    bool RebuildCheckIndex(const char* indexFilePath) const;

    // Fills missing per-user values from the machine defaults key and refreshes the names and
    // paths of the items that key holds.
    void SeedFromMachineDefaults() const;
    // Replaces the store with the default item set, keeping "TrayChk" 1 only when it was 1.
    // One attempt, bounded in time. Returns 1 when the store then holds at least 10 item keys.
    int ResetToDefaults();
    // The panel's start-up check: a store of fewer than 10 item keys is damaged and replaced with
    // the default item set (ResetToDefaults). False when the store is still short afterwards.
    bool RepairIfDamaged();

    // Shows "Set Registry Error" as every failed store write does.
    void ReportWriteFailure() const;

private:
    static constexpr char kSetRegistryError[] = "Set Registry Error";

    IStoreNotifier& Notifier() const;
    IDefaultsImporter& Importer();

    StoreSettings settings_;
    mutable CMessageBoxNotifier defaultNotifier_;
    CRegeditImporter defaultImporter_;
};
