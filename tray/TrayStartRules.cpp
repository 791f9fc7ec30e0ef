#include "TrayStartRules.h"

#include "MenuItemRecord.h"
#include "PerchletConstants.h"
#include "StoreRegistry.h"

bool TraySwitchedOff(HKEY root, const char* keyPath) {
    fw::RegKey key = store::OpenKey(root, keyPath ? keyPath : "", KEY_QUERY_VALUE);
    DWORD value = 1;
    return key && store::QueryDword(key.Get(), kTrayCheckValue, &value) && value == 0;
}

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool AsksToDeleteSettings(const char* arguments) {
    if (!arguments) return false;
    const char* p = arguments;
    while (IsBlank(*p)) ++p;
    if (!IsDigit(*p)) return false;
    unsigned long value = 0;
    for (; IsDigit(*p); ++p) {
        value = value * 10 + static_cast<unsigned long>(*p - '0');
        if (value > kDeleteSettingsNumber) return false;  // also keeps a long run of digits from wrapping
    }
    while (IsBlank(*p)) ++p;
    return *p == '\0' && value == kDeleteSettingsNumber;
}
