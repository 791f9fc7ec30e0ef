#pragma once
// IWbemLocator standing in for the platform's: \\.\ROOT\WMI is the simulated firmware, every other
// namespace goes to the platform's own WMI so that the rest of the system keeps working.
#include "Com.h"
#include "ComObject.h"
#include <wbemidl.h>

namespace sim {

class SimLocator : public ComObject<IWbemLocator> {
public:
    SimLocator() = default;

    HRESULT STDMETHODCALLTYPE ConnectServer(const BSTR resource, const BSTR user, const BSTR password,
                                            const BSTR locale, LONG flags, const BSTR authority,
                                            IWbemContext* context, IWbemServices** services) override;

private:
    HRESULT PlatformLocator(IWbemLocator** locator);

    fw::ComPtr<IWbemLocator> platform_;
};

// True for the namespace of the firmware methods, however the caller spells it.
bool IsFirmwareNamespace(const wchar_t* resource);

}  // namespace sim
