#include "SimServices.h"

#include <cwctype>
#include <string>

#include "Firmware.h"
#include "SimEnum.h"
#include "SimObject.h"
#include "SimSchema.h"
#include "SimState.h"

namespace sim {
namespace {

HRESULT EnumerateInstances(const ClassDef& cls, IEnumWbemClassObject** result) {
    std::vector<IWbemClassObject*> objects;
    for (const std::wstring& name : InstanceNames(cls)) objects.push_back(SimObject::NewInstance(cls, name));
    *result = new SimEnum(std::move(objects));
    return WBEM_S_NO_ERROR;
}

// The class a plain "SELECT ... FROM Class" names; conditions are beyond this simulator.
bool QueryClass(const std::wstring& query, std::wstring& className) {
    std::wstring upper;
    for (wchar_t c : query) upper += static_cast<wchar_t>(std::towupper(c));
    if (upper.compare(0, 7, L"SELECT ") != 0) return false;
    std::size_t from = upper.find(L" FROM ");
    if (from == std::wstring::npos) return false;
    std::size_t begin = query.find_first_not_of(L' ', from + 6);
    if (begin == std::wstring::npos) return false;
    std::size_t end = query.find(L' ', begin);
    className = query.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
    return end == std::wstring::npos || query.find_first_not_of(L' ', end) == std::wstring::npos;
}

}  // namespace

SimServices::SimServices() { StateAdjust("Connections", +1); }

SimServices::~SimServices() { StateAdjust("Connections", -1); }

HRESULT SimServices::QueryInterface(REFIID riid, void** ppv) {
    if (ppv && riid == IID_IClientSecurity) {
        *ppv = static_cast<IClientSecurity*>(this);
        AddRef();
        return S_OK;
    }
    return ComObject<IWbemServices>::QueryInterface(riid, ppv);
}

HRESULT SimServices::QueryBlanket(IUnknown*, DWORD* authn, DWORD* authz, OLECHAR** principal, DWORD* level,
                                  DWORD* impersonation, void** identity, DWORD* capabilities) {
    if (authn) *authn = RPC_C_AUTHN_WINNT;
    if (authz) *authz = RPC_C_AUTHZ_NONE;
    if (principal) *principal = nullptr;
    if (level) *level = RPC_C_AUTHN_LEVEL_CALL;
    if (impersonation) *impersonation = RPC_C_IMP_LEVEL_IMPERSONATE;
    if (identity) *identity = nullptr;
    if (capabilities) *capabilities = EOAC_NONE;
    return S_OK;
}

HRESULT SimServices::SetBlanket(IUnknown*, DWORD, DWORD, OLECHAR*, DWORD, DWORD, void*, DWORD) {
    return S_OK;
}

HRESULT SimServices::CopyProxy(IUnknown*, IUnknown**) { return E_NOTIMPL; }

HRESULT SimServices::GetObject(const BSTR path, LONG, IWbemContext*, IWbemClassObject** object,
                               IWbemCallResult** callResult) {
    if (callResult) *callResult = nullptr;
    if (!object) return WBEM_E_INVALID_PARAMETER;
    *object = nullptr;
    ObjectPath p;
    HRESULT hr = ParseObjectPath(path, p);
    if (FAILED(hr)) return hr;
    const ClassDef* cls = FindClass(p.className);
    if (!cls) return WBEM_E_NOT_FOUND;
    if (!p.hasKey) {
        *object = SimObject::NewClass(*cls);
        return WBEM_S_NO_ERROR;
    }
    if (!HasInstance(*cls, p.instanceName)) return WBEM_E_NOT_FOUND;
    *object = SimObject::NewInstance(*cls, p.instanceName);
    return WBEM_S_NO_ERROR;
}

HRESULT SimServices::CreateInstanceEnum(const BSTR className, LONG, IWbemContext*,
                                        IEnumWbemClassObject** result) {
    if (!result) return WBEM_E_INVALID_PARAMETER;
    *result = nullptr;
    if (!className) return WBEM_E_INVALID_PARAMETER;
    const ClassDef* cls = FindClass(className);
    if (!cls) return WBEM_E_INVALID_CLASS;
    return EnumerateInstances(*cls, result);
}

HRESULT SimServices::ExecQuery(const BSTR language, const BSTR query, LONG, IWbemContext*,
                               IEnumWbemClassObject** result) {
    if (!result) return WBEM_E_INVALID_PARAMETER;
    *result = nullptr;
    if (!language || !SameName(language, L"WQL")) return WBEM_E_INVALID_QUERY_TYPE;
    std::wstring className;
    if (!query || !QueryClass(query, className)) return WBEM_E_INVALID_QUERY;
    const ClassDef* cls = FindClass(className);
    if (!cls) return WBEM_E_INVALID_CLASS;
    return EnumerateInstances(*cls, result);
}

HRESULT SimServices::ExecMethod(const BSTR path, const BSTR method, LONG, IWbemContext*, IWbemClassObject* in,
                                IWbemClassObject** out, IWbemCallResult** callResult) {
    if (out) *out = nullptr;
    if (callResult) *callResult = nullptr;
    if (!method) return WBEM_E_INVALID_PARAMETER;
    ObjectPath p;
    HRESULT hr = ParseObjectPath(path, p);
    if (FAILED(hr)) return hr;
    const ClassDef* cls = FindClass(p.className);
    if (!cls) return WBEM_E_INVALID_CLASS;
    const MethodDef* m = FindMethod(*cls, method);
    if (!m) return WBEM_E_INVALID_METHOD;
    // The firmware methods belong to instances, never to the class itself.
    if (!p.hasKey) return WBEM_E_INVALID_METHOD_PARAMETERS;
    if (!HasInstance(*cls, p.instanceName)) return WBEM_E_NOT_FOUND;
    return RunMethod(*m, p.instanceName, in, out);
}

HRESULT SimServices::OpenNamespace(const BSTR, LONG, IWbemContext*, IWbemServices**, IWbemCallResult**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::CancelAsyncCall(IWbemObjectSink*) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimServices::QueryObjectSink(LONG, IWbemObjectSink**) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimServices::GetObjectAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::PutClass(IWbemClassObject*, LONG, IWbemContext*, IWbemCallResult**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::PutClassAsync(IWbemClassObject*, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::DeleteClass(const BSTR, LONG, IWbemContext*, IWbemCallResult**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::DeleteClassAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::CreateClassEnum(const BSTR, LONG, IWbemContext*, IEnumWbemClassObject**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::CreateClassEnumAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::PutInstance(IWbemClassObject*, LONG, IWbemContext*, IWbemCallResult**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::PutInstanceAsync(IWbemClassObject*, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::DeleteInstance(const BSTR, LONG, IWbemContext*, IWbemCallResult**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::DeleteInstanceAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::CreateInstanceEnumAsync(const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::ExecQueryAsync(const BSTR, const BSTR, LONG, IWbemContext*, IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::ExecNotificationQuery(const BSTR, const BSTR, LONG, IWbemContext*,
                                           IEnumWbemClassObject**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::ExecNotificationQueryAsync(const BSTR, const BSTR, LONG, IWbemContext*,
                                                IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimServices::ExecMethodAsync(const BSTR, const BSTR, LONG, IWbemContext*, IWbemClassObject*,
                                     IWbemObjectSink*) {
    return WBEM_E_NOT_SUPPORTED;
}

}  // namespace sim
