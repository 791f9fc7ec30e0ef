#include "PowerControl.h"

#include <windows.h>
#include <powrprof.h>

#include "Handles.h"

bool CSystemPowerControl::ReserveHibernationFile() {
    BOOLEAN reserve = TRUE;
    return ::CallNtPowerInformation(SystemReserveHiberFile, &reserve, sizeof(reserve), nullptr, 0) == 0;
}

bool CSystemPowerControl::EnableShutdownPrivilege() {
    fw::KernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Put()))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (::LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
        ::AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    return true;
}

bool CSystemPowerControl::SetPowerState(bool suspend) {
    return ::SetSystemPowerState(suspend, FALSE) != FALSE;
}

IPowerControl& SystemPowerControl() {
    static CSystemPowerControl control;
    return control;
}
