#include "SimLocator.h"

#include <string>

#include "SimSchema.h"
#include "SimServices.h"
#include "SimState.h"

namespace sim {

bool IsFirmwareNamespace(const wchar_t* resource) {
    if (!resource) return false;
    std::wstring ns(resource);
    for (wchar_t& c : ns)
        if (c == L'/') c = L'\\';
    return SameName(ns, L"\\\\.\\ROOT\\WMI") || SameName(ns, L"ROOT\\WMI");
}

HRESULT SimLocator::PlatformLocator(IWbemLocator** locator) {
    if (!platform_) {
        // The platform's WMI is wbemprox.dll, whose registration this DLL has taken over. It stays
        // loaded for the life of the process: services it hands out may outlive this locator.
        HMODULE wbemprox = ::LoadLibraryA("wbemprox.dll");
        if (!wbemprox) return WBEM_E_FAILED;
        using GetClassObjectFn = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto getClassObject =
            reinterpret_cast<GetClassObjectFn>(::GetProcAddress(wbemprox, "DllGetClassObject"));
        if (!getClassObject) return WBEM_E_FAILED;
        fw::ComPtr<IClassFactory> factory;
        HRESULT hr = getClassObject(CLSID_WbemLocator, IID_IClassFactory, factory.PutVoid());
        if (FAILED(hr)) return hr;
        hr = factory->CreateInstance(nullptr, IID_IWbemLocator, platform_.PutVoid());
        if (FAILED(hr)) return hr;
    }
    platform_->AddRef();
    *locator = platform_.Get();
    return S_OK;
}

HRESULT SimLocator::ConnectServer(const BSTR resource, const BSTR user, const BSTR password,
                                  const BSTR locale, LONG flags, const BSTR authority, IWbemContext* context,
                                  IWbemServices** services) {
    if (!services) return WBEM_E_INVALID_PARAMETER;
    *services = nullptr;
    if (IsFirmwareNamespace(resource)) {
        if (StateSwitch("FailConnect")) return WBEM_E_ACCESS_DENIED;
        *services = new SimServices();
        return WBEM_S_NO_ERROR;
    }
    fw::ComPtr<IWbemLocator> platform;
    HRESULT hr = PlatformLocator(platform.Put());
    if (FAILED(hr)) return hr;
    return platform->ConnectServer(resource, user, password, locale, flags, authority, context, services);
}

}  // namespace sim
