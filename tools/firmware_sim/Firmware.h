#pragma once
// What the firmware and the monitor do when one of their methods runs.
#include <string>

#include "SimObject.h"

namespace sim {

// Runs `method` of the instance `instanceName` (both known to exist) with the in-parameters
// `in` (any IWbemClassObject, or null). `out` receives the out-parameters when asked for.
HRESULT RunMethod(const MethodDef& method, const std::wstring& instanceName, IWbemClassObject* in,
                  IWbemClassObject** out);

}  // namespace sim
