#pragma once
// Reference counting shared by every object the simulator hands out, and the count of live objects
// that decides whether COM may unload the DLL.
#include <windows.h>
#include <objbase.h>

namespace sim {

void ModuleAddRef();
void ModuleRelease();
bool ModuleInUse();

template <class Interface>
class ComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (riid == IID_IUnknown || riid == __uuidof(Interface)) {
            *ppv = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG n = ::InterlockedDecrement(&refs_);
        if (n == 0) delete this;
        return static_cast<ULONG>(n);
    }

protected:
    ComObject() { ModuleAddRef(); }
    virtual ~ComObject() { ModuleRelease(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

private:
    LONG refs_ = 1;  // the creator's reference
};

}  // namespace sim
