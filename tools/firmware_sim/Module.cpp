// The DLL's COM entry points: one class, the WMI locator.
#include <windows.h>
#include <wbemidl.h>

#include "ComObject.h"
#include "SimLocator.h"

namespace sim {
namespace {

LONG g_objects = 0;
LONG g_locks = 0;

// Static: COM holds it only while it makes locators, and the DLL stays loaded while it is locked.
class LocatorFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        ModuleAddRef();
        return 2;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        ModuleRelease();
        return 1;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        SimLocator* locator = new SimLocator();
        HRESULT hr = locator->QueryInterface(riid, ppv);
        locator->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            ::InterlockedIncrement(&g_locks);
        else
            ::InterlockedDecrement(&g_locks);
        return S_OK;
    }
};

LocatorFactory g_factory;

}  // namespace

void ModuleAddRef() { ::InterlockedIncrement(&g_objects); }
void ModuleRelease() { ::InterlockedDecrement(&g_objects); }
bool ModuleInUse() { return g_objects != 0 || g_locks != 0; }

}  // namespace sim

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (rclsid != CLSID_WbemLocator) return CLASS_E_CLASSNOTAVAILABLE;
    return sim::g_factory.QueryInterface(riid, ppv);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return sim::ModuleInUse() ? S_FALSE : S_OK; }
