// The two sources of default items: the machine-wide key that an installation writes (with the
// real install folder in its paths), and the registry script "config.bin" beside the programs.
#include <shlwapi.h>

#include <cstring>

#include "MenuItemStore.h"
#include "ProgramFolder.h"
#include "StoreRegistry.h"

namespace {

constexpr char kDefaultsScriptName[] = "config.bin";

// Numbers the user may have changed are copied only where the user has none.
constexpr const char* kSeededNumbers[] = {kOrderValue, kDeleteValue, kNewValue,
                                          kCheckValue, kSystemValue, kSystemCmdValue};
// Names and paths are refreshed unless the user's value is a number.
constexpr const char* kSeededTexts[] = {kKoreanNameValue, kEnglishNameValue, kPathValue};

}  // namespace

std::string CMenuItemStore::DefaultsScriptPath() const {
    std::string folder = settings_.defaultsFolder;
    if (folder.empty()) {
        char programFolder[kTextCap];
        TextZero(programFolder);
        if (!GetProgramFolder(programFolder, sizeof(programFolder))) return {};
        folder = programFolder;
    }
    return folder + "\\" + kDefaultsScriptName;
}

void CMenuItemStore::SeedFromMachineDefaults() const {
    // Read access is all seeding needs, and all that a user without administrator rights gets
    // on a machine-wide key.
    fw::RegKey machine = store::OpenKey(settings_.machineRoot, settings_.keyPath, KEY_READ);
    if (!machine) return;

    DWORD value = 0;
    if (!ReadDword(settings_.keyPath, kTrayCheckValue, &value) &&
        store::QueryDword(machine.Get(), kTrayCheckValue, &value)) {
        WriteDword(settings_.keyPath, kTrayCheckValue, value);
    }

    char name[kTextCap];
    char text[kTextCap];
    for (DWORD index = 0; index < store::kMaxItemKeys; ++index) {
        LONG rc = store::EnumSubkey(machine.Get(), index, name, sizeof(name));
        if (rc == ERROR_MORE_DATA) continue;  // a name the suite cannot address
        if (rc != ERROR_SUCCESS) break;
        fw::RegKey source = store::OpenKey(machine.Get(), name, KEY_QUERY_VALUE);
        if (!source) continue;

        const std::string userPath = ItemPath(name);
        fw::RegKey user = store::OpenKey(settings_.userRoot, userPath, KEY_QUERY_VALUE | KEY_SET_VALUE);
        bool failed = false;
        auto target = [&]() -> HKEY {
            if (!user && !failed) {
                user = store::OpenOrCreateKey(settings_.userRoot, userPath, KEY_QUERY_VALUE | KEY_SET_VALUE);
                if (!user) {
                    failed = true;
                    Notifier().ShowMessage(kSetRegistryError);
                }
            }
            return user.Get();
        };

        for (const char* number : kSeededNumbers) {
            if (user && store::QueryDword(user.Get(), number, nullptr)) continue;
            if (!store::QueryDword(source.Get(), number, &value)) continue;  // nothing to copy
            HKEY key = target();
            if (key && !store::SetDword(key, number, value)) Notifier().ShowMessage(kSetRegistryError);
        }
        for (const char* textName : kSeededTexts) {
            if (user && store::QueryDword(user.Get(), textName, nullptr)) continue;
            // A text the machine key lacks is left alone instead of being blanked.
            if (!store::QueryText(source.Get(), textName, text, sizeof(text))) continue;
            HKEY key = target();
            if (key) store::SetText(key, textName, text, static_cast<DWORD>(std::strlen(text)));
        }
    }
}

int CMenuItemStore::ResetToDefaults() {
    DWORD tray = 0;
    const bool trayWasOn = ReadDword(settings_.keyPath, kTrayCheckValue, &tray) && tray == 1;
    ::SHDeleteKeyA(settings_.userRoot, settings_.keyPath.c_str());

    const std::string script = DefaultsScriptPath();
    if (!script.empty() && ::GetFileAttributesA(script.c_str()) != INVALID_FILE_ATTRIBUTES) {
        // Waiting for the importer replaces the fixed pauses around it: the keys exist once it
        // has ended, and a stuck one costs at most the time limit.
        if (Importer().Import(script.c_str(), settings_.importTimeoutMs) != ImportOutcome::kFinished) {
            ::OutputDebugStringA("Corvela: the default item set was not imported in time\n");
        }
    } else {
        ::OutputDebugStringA("Corvela: config.bin is missing\n");
    }

    WriteDword(settings_.keyPath, kTrayCheckValue, trayWasOn ? 1 : 0);
    // The script cannot know the install folder; the machine defaults can.
    SeedFromMachineDefaults();
    return CountItems() >= kMinHealthyItems ? 1 : 0;
}

bool CMenuItemStore::RepairIfDamaged() {
    return CountItems() >= kMinHealthyItems || ResetToDefaults();
}
