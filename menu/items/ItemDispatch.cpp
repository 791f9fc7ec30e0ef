#include "ItemDispatch.h"

#include "ShellStart.h"
#include "StoreRegistry.h"
#include "Text.h"

namespace {

template <class... Args>
void Trace(const char* format, Args... args) {
    char line[kTextCap + 64];
    TextFormat(line, sizeof(line), format, args...);
    ::OutputDebugStringA(line);
}

}  // namespace

int CItemDispatch::RunItemByLabel(const char* label) {
    fw::RegKey storeKey = store::OpenKey(store_.Settings().userRoot, store_.KeyPath(), KEY_READ);
    if (!storeKey) return kStoreUnavailable;

    // A button beyond the end of the list carries the empty text; it must not find an item that
    // merely has no name in this language.
    if (!label || !*label || texts_.nameValue.empty()) return kRanOther;

    const DWORD count = store::CountSubkeys(storeKey.Get());
    int result = kRanOther;
    for (DWORD index = 0; index < count; ++index) {
        char keyName[kTextCap];
        TextZero(keyName);
        LONG status = store::EnumSubkey(storeKey.Get(), index, keyName, sizeof(keyName));
        if (status == ERROR_MORE_DATA) continue;  // a name too long for any item of the panel
        if (status != ERROR_SUCCESS) break;

        const std::string itemPath = store_.ItemPath(keyName);
        char displayName[kTextCap];
        store_.ReadString(itemPath, texts_.nameValue.c_str(), displayName, sizeof(displayName));
        if (!TextEquals(displayName, label)) continue;

        Trace("Corvela: the label names the item \"%s\"\n", keyName);
        DWORD system = 0;
        store_.ReadDword(itemPath, kSystemValue, &system);
        if (system == 1) {
            DWORD command = 0;
            store_.ReadDword(itemPath, kSystemCmdValue, &command);
            RunSystemCommand(command);
            if (command == kCmdDisplayOutput) result = kRanDisplayOutput;
        } else if (rights_.IsAdministrator()) {
            StartUserItem(itemPath.c_str());
        } else {
            ::MessageBoxA(owner_, texts_.adminOnly.c_str(), kMessageBoxCaption, MB_ICONINFORMATION);
        }
        break;
    }
    return result;
}

void CItemDispatch::StartUserItem(const char* itemPath) {
    char path[kTextCap];
    store_.ReadString(itemPath, kPathValue, path, sizeof(path));
    // An empty path would have the shell open whatever it takes the current folder to be.
    if (!path[0]) return;
    ShellStart(nullptr, nullptr, path, nullptr, nullptr, SW_SHOW);
}

int CItemDispatch::RunSystemCommand(DWORD number) {
    const BuiltInCommand* command = FindBuiltInCommand(number);
    if (!command) {
        Trace("Corvela: built-in command %lu runs nothing\n", static_cast<unsigned long>(number));
        return 0;
    }
    Trace("Corvela: built-in command %lu runs %s\n", static_cast<unsigned long>(number), command->operation);
    return actions_.Run(*command);
}
