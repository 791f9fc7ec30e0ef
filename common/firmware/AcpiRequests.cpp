#include "AcpiRequests.h"

#include <cstdio>

bool AcpiMethodPath(const char* instance, char* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    out[0] = '\0';
    if (!instance || !*instance) return false;
    int n = std::snprintf(out, cap, "Method_ULong.InstanceName=\"ACPI\\\\PNP0C14\\\\%s\"", instance);
    if (n < 0 || static_cast<std::size_t>(n) >= cap) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool AcpiGetULong(CWAcpi& acpi, const char* instance, ULONG& value) {
    char path[MAX_PATH] = {};
    if (!AcpiMethodPath(instance, path, sizeof(path))) return false;
    return acpi.ExecGetULong(path, "GetULong", "Data", value);
}

bool AcpiSetULong(CWAcpi& acpi, const char* instance, ULONG value) {
    char path[MAX_PATH] = {};
    if (!AcpiMethodPath(instance, path, sizeof(path))) return false;
    return acpi.ExecSetULong("Method_ULong", path, "SetULong", "Data", value);
}
