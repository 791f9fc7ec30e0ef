#include "SettingsProgram.h"

#include <windows.h>

#include "Handles.h"
#include "SuiteContract.h"

bool IsSettingsProgramRunning() {
    fw::KernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, kSettingsMutexName));
    // A mutex that exists but may not be opened by this user still belongs to a running program.
    return mutex.Valid() || ::GetLastError() == ERROR_ACCESS_DENIED;
}
