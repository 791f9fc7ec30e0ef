#include "WAcpi.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

// A request on an object that holds no connection.
const HRESULT kNotConnected = HRESULT_FROM_WIN32(ERROR_NOT_CONNECTED);

}  // namespace

bool CWAcpi::Fail(HRESULT hr, const char* what, const char* subject) {
    lastError_ = FAILED(hr) ? hr : E_FAIL;
    if (subject)
        std::snprintf(lastFailure_, sizeof(lastFailure_), "%s %s", what, subject);
    else
        std::snprintf(lastFailure_, sizeof(lastFailure_), "%s", what);
    char line[sizeof(lastFailure_) + 48];
    std::snprintf(line, sizeof(line), "Firmware: %s (0x%08lX)\n", lastFailure_,
                  static_cast<unsigned long>(lastError_));
    ::OutputDebugStringA(line);
    return false;
}

bool CWAcpi::Fail(HRESULT hr, const char* what, const wchar_t* subject) {
    char narrow[64] = {};
    if (subject) ::WideCharToMultiByte(CP_ACP, 0, subject, -1, narrow, sizeof(narrow) - 1, nullptr, nullptr);
    return Fail(hr, what, narrow);
}

bool CWAcpi::Connect() {
    if (services_) return true;
    fw::ComPtr<IWbemLocator> locator;
    HRESULT hr = ::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                    locator.PutVoid());
    if (FAILED(hr) || !locator) return Fail(hr, "the WMI locator could not be made");

    fw::ComPtr<IWbemServices> services;
    {
        fw::Bstr ns(L"\\\\.\\ROOT\\WMI");
        if (!ns) return Fail(E_OUTOFMEMORY, "no memory for the namespace's name");
        hr = locator->ConnectServer(ns.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.Put());
    }
    if (FAILED(hr) || !services) return Fail(hr, "no connection to \\\\.\\ROOT\\WMI");
    hr = ::CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                             RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    // The half-made connection goes with the locals.
    if (FAILED(hr)) return Fail(hr, "the connection refused its proxy security");

    locator_ = std::move(locator);
    services_ = std::move(services);
    return true;
}

void CWAcpi::Release() {
    services_.Reset();
    locator_.Reset();
}

bool EscapeWmiKeyValue(const wchar_t* name, wchar_t* out, std::size_t cap) {
    if (!out || cap == 0) return false;
    out[0] = L'\0';
    if (!name) return false;
    std::size_t n = 0;
    for (const wchar_t* p = name; *p; ++p) {
        std::size_t need = (*p == L'\\') ? 2 : 1;
        if (n + need >= cap) {
            out[0] = L'\0';
            return false;
        }
        out[n++] = *p;
        if (*p == L'\\') out[n++] = L'\\';
    }
    out[n] = L'\0';
    return true;
}

bool CWAcpi::ExecSetULong(const char* className, const char* path, const char* method, const char* param,
                          ULONG value) {
    if (!services_) return Fail(kNotConnected, "not connected for", method);
    fw::Bstr bParam = fw::Bstr::FromAnsi(param);
    fw::Bstr bMethod = fw::Bstr::FromAnsi(method);
    fw::Bstr bPath = fw::Bstr::FromAnsi(path);
    fw::Bstr bClass = fw::Bstr::FromAnsi(className);
    if (!bParam || !bMethod || !bPath || !bClass)
        return Fail(E_INVALIDARG, "a request without its names:", method);

    fw::ComPtr<IWbemClassObject> classObject;
    HRESULT hr = services_->GetObject(bClass.Get(), 0, nullptr, classObject.Put(), nullptr);
    if (FAILED(hr) || !classObject) return Fail(hr, "no class", className);
    fw::ComPtr<IWbemClassObject> signature;
    hr = classObject->GetMethod(bMethod.Get(), 0, signature.Put(), nullptr);
    classObject.Reset();
    if (FAILED(hr) || !signature) return Fail(hr, "no method", method);
    fw::ComPtr<IWbemClassObject> inParams;
    hr = signature->SpawnInstance(0, inParams.Put());
    signature.Reset();
    if (FAILED(hr) || !inParams) return Fail(hr, "no in-parameters for", method);

    fw::Variant data;
    data->vt = VT_I4;
    data->lVal = static_cast<LONG>(value);
    hr = inParams->Put(bParam.Get(), 0, data.Get(), 0);
    if (FAILED(hr)) return Fail(hr, "no in-parameter", param);

    hr = services_->ExecMethod(bPath.Get(), bMethod.Get(), 0, nullptr, inParams.Get(), nullptr, nullptr);
    if (FAILED(hr)) return Fail(hr, "the firmware refused", path);
    return true;
}

bool CWAcpi::ExecGetULong(const char* path, const char* method, const char* param, ULONG& value) {
    if (!services_) return Fail(kNotConnected, "not connected for", method);
    fw::Bstr bParam = fw::Bstr::FromAnsi(param);
    fw::Bstr bMethod = fw::Bstr::FromAnsi(method);
    fw::Bstr bPath = fw::Bstr::FromAnsi(path);
    if (!bParam || !bMethod || !bPath) return Fail(E_INVALIDARG, "a request without its names:", method);

    fw::ComPtr<IWbemClassObject> outParams;
    HRESULT hr =
        services_->ExecMethod(bPath.Get(), bMethod.Get(), 0, nullptr, nullptr, outParams.Put(), nullptr);
    if (FAILED(hr) || !outParams) return Fail(hr, "the firmware refused", path);
    fw::Variant data;
    hr = outParams->Get(bParam.Get(), 0, data.Get(), nullptr, nullptr);
    outParams.Reset();
    if (FAILED(hr)) return Fail(hr, "no out-parameter", param);
    // WMI hands a uint32 over as VT_I4; an empty or null parameter carries no word at all, and
    // reading its value slot would hand back whatever the VARIANT held before.
    switch (data->vt) {
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
            value = static_cast<ULONG>(data->lVal);
            return true;
        case VT_EMPTY:
        case VT_NULL:
            return Fail(DISP_E_TYPEMISMATCH, "no word in the out-parameter", param);
        default:
            hr = ::VariantChangeType(data.Get(), data.Get(), 0, VT_UI4);
            if (FAILED(hr)) return Fail(hr, "no word in the out-parameter", param);
            value = data->ulVal;
            return true;
    }
}

fw::Bstr CWAcpi::GetInstancePath(const wchar_t* className, int n) {
    if (!className) return fw::Bstr();
    if (!services_) {
        Fail(kNotConnected, "not connected for the instances of", className);
        return fw::Bstr();
    }
    fw::Bstr bClass(className);
    fw::ComPtr<IEnumWbemClassObject> instances;
    HRESULT hr =
        bClass ? services_->CreateInstanceEnum(bClass.Get(), 0, nullptr, instances.Put()) : E_OUTOFMEMORY;
    if (FAILED(hr) || !instances) {
        Fail(hr, "no enumeration of", className);
        return fw::Bstr();
    }
    // Anything but exactly one object (WBEM_S_FALSE at the end included, which is a success code)
    // counts as the end.
    fw::ComPtr<IWbemClassObject> current;
    for (int i = 0; i <= n; ++i) {
        current.Reset();
        ULONG returned = 0;
        hr = instances->Next(static_cast<LONG>(WBEM_INFINITE), 1, current.Put(), &returned);
        if (hr != WBEM_S_NO_ERROR || returned != 1 || !current) {
            Fail(hr == WBEM_S_FALSE ? static_cast<HRESULT>(WBEM_E_NOT_FOUND) : hr, "too few instances of",
                 className);
            return fw::Bstr();
        }
    }

    fw::Variant name;
    hr = current->Get(L"InstanceName", 0, name.Get(), nullptr, nullptr);
    if (FAILED(hr) || name->vt != VT_BSTR || !name->bstrVal) {
        Fail(FAILED(hr) ? hr : DISP_E_TYPEMISMATCH, "no instance name in", className);
        return fw::Bstr();
    }
    wchar_t escaped[kMaxEscapedInstanceName + 1];
    if (!EscapeWmiKeyValue(name->bstrVal, escaped, sizeof(escaped) / sizeof(escaped[0]))) {
        Fail(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER), "an instance name too long in", className);
        return fw::Bstr();
    }

    std::wstring path(className);
    path += L".InstanceName=\"";
    path += escaped;
    path += L"\"";
    return fw::Bstr(path.c_str());
}

bool CWAcpi::SetMonitorBrightness(BYTE brightness) {
    const wchar_t kClass[] = L"WmiMonitorBrightnessMethods";
    if (!services_) return Fail(kNotConnected, "not connected for", kClass);
    fw::Bstr className(kClass);
    fw::Bstr methodName(L"WmiSetBrightness");
    if (!className || !methodName) return Fail(E_OUTOFMEMORY, "no memory for the names of", kClass);

    fw::ComPtr<IWbemClassObject> classObject;
    HRESULT hr = services_->GetObject(className.Get(), 0, nullptr, classObject.Put(), nullptr);
    if (FAILED(hr) || !classObject) return Fail(hr, "no class", kClass);
    fw::Bstr path = GetInstancePath(kClass, 0);
    if (!path) return false;  // no monitor to address; GetInstancePath said why

    fw::ComPtr<IWbemClassObject> inSignature;
    fw::ComPtr<IWbemClassObject> outSignature;
    hr = classObject->GetMethod(methodName.Get(), 0, inSignature.Put(), outSignature.Put());
    if (FAILED(hr) || !inSignature) return Fail(hr, "no method WmiSetBrightness of", kClass);
    fw::ComPtr<IWbemClassObject> inArgs;
    hr = inSignature->SpawnInstance(0, inArgs.Put());
    inSignature.Reset();
    if (FAILED(hr) || !inArgs) return Fail(hr, "no in-parameters for WmiSetBrightness of", kClass);

    fw::Variant level;
    level->vt = VT_UI1;
    level->bVal = brightness;
    inArgs->Put(L"Brightness", 0, level.Get(), 0);
    fw::Variant timeout;
    timeout->vt = VT_I4;
    timeout->lVal = 1000;
    hr = inArgs->Put(L"Timeout", 0, timeout.Get(), 0);
    if (FAILED(hr)) return Fail(hr, "no in-parameter Timeout for WmiSetBrightness of", kClass);

    fw::ComPtr<IWbemClassObject> outArgs;
    hr =
        services_->ExecMethod(path.Get(), methodName.Get(), 0, nullptr, inArgs.Get(), outArgs.Put(), nullptr);
    if (FAILED(hr)) return Fail(hr, "the monitor refused its brightness", kClass);
    return true;
}
