#include "WAcpi.h"

#include <cstdio>
#include <string>

namespace {

// The next object of the enumeration; anything but exactly one object (WBEM_S_FALSE at the end
// included, which is a success code) counts as the end.
bool NextObject(IEnumWbemClassObject* e, fw::ComPtr<IWbemClassObject>& current) {
    ULONG returned = 0;
    HRESULT hr = e->Next(static_cast<LONG>(WBEM_INFINITE), 1, current.Put(), &returned);
    if (hr != WBEM_S_NO_ERROR || returned != 1 || !current) {
        current.Reset();
        ::OutputDebugStringA("ppEnum->Next\n");
        return false;
    }
    return true;
}

}  // namespace

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

int CWAcpi::ExecSetULong(const char* className, const char* path, const char* method, const char* param,
                         ULONG value) {
    if (!services) return 0;
    fw::Bstr bParam = fw::Bstr::FromAnsi(param);
    fw::Bstr bMethod = fw::Bstr::FromAnsi(method);
    fw::Bstr bPath = fw::Bstr::FromAnsi(path);
    fw::Bstr bClass = fw::Bstr::FromAnsi(className);
    if (!bParam || !bMethod || !bPath || !bClass) return 0;

    fw::ComPtr<IWbemClassObject> classObject;
    if (FAILED(services->GetObject(bClass.Get(), 0, nullptr, classObject.Put(), nullptr)) || !classObject)
        return 0;
    fw::ComPtr<IWbemClassObject> signature;
    HRESULT hr = classObject->GetMethod(bMethod.Get(), 0, signature.Put(), nullptr);
    classObject.Reset();
    if (FAILED(hr) || !signature) return 0;
    fw::ComPtr<IWbemClassObject> inParams;
    hr = signature->SpawnInstance(0, inParams.Put());
    signature.Reset();
    if (FAILED(hr) || !inParams) return 0;

    fw::Variant data;
    data->vt = VT_I4;
    data->lVal = static_cast<LONG>(value);
    if (FAILED(inParams->Put(bParam.Get(), 0, data.Get(), 0))) return 0;

    hr = services->ExecMethod(bPath.Get(), bMethod.Get(), 0, nullptr, inParams.Get(), nullptr, nullptr);
    return FAILED(hr) ? 0 : 1;
}

int CWAcpi::ExecGetULong(const char* path, const char* method, const char* param, ULONG& value) {
    if (!services) return 0;
    fw::Bstr bParam = fw::Bstr::FromAnsi(param);
    fw::Bstr bMethod = fw::Bstr::FromAnsi(method);
    fw::Bstr bPath = fw::Bstr::FromAnsi(path);
    if (!bParam || !bMethod || !bPath) return 0;

    fw::ComPtr<IWbemClassObject> outParams;
    HRESULT hr =
        services->ExecMethod(bPath.Get(), bMethod.Get(), 0, nullptr, nullptr, outParams.Put(), nullptr);
    if (FAILED(hr) || !outParams) return 0;
    fw::Variant data;
    hr = outParams->Get(bParam.Get(), 0, data.Get(), nullptr, nullptr);
    outParams.Reset();
    if (FAILED(hr)) return 0;
    // WMI hands a uint32 over as VT_I4; an empty or null parameter carries no word at all, and
    // reading its value slot would hand back whatever the VARIANT held before.
    switch (data->vt) {
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
            value = static_cast<ULONG>(data->lVal);
            return 1;
        case VT_EMPTY:
        case VT_NULL:
            return 0;
        default:
            if (FAILED(::VariantChangeType(data.Get(), data.Get(), 0, VT_UI4))) return 0;
            value = data->ulVal;
            return 1;
    }
}

fw::Bstr CWAcpi::GetInstancePath(const wchar_t* className, int n) {
    if (!enumerator || !className) return fw::Bstr();
    if (FAILED(enumerator->Reset())) return fw::Bstr();
    fw::ComPtr<IWbemClassObject> current;
    if (!NextObject(enumerator.Get(), current)) return fw::Bstr();
    for (int i = 0; i < n; ++i) {
        current.Reset();
        if (!NextObject(enumerator.Get(), current)) return fw::Bstr();
    }

    fw::Variant name;
    if (FAILED(current->Get(L"InstanceName", 0, name.Get(), nullptr, nullptr)) || name->vt != VT_BSTR ||
        !name->bstrVal) {
        ::OutputDebugStringA("pInstance->Get\n");
        return fw::Bstr();
    }
    wchar_t escaped[kMaxEscapedInstanceName + 1];
    if (!EscapeWmiKeyValue(name->bstrVal, escaped, sizeof(escaped) / sizeof(escaped[0]))) return fw::Bstr();

    std::wstring path(className);
    path += L".InstanceName=\"";
    path += escaped;
    path += L"\"";
    return fw::Bstr(path.c_str());
}

int CWAcpi::SetMonitorBrightness(BYTE brightness) {
    if (!services) return 0;
    fw::Bstr className(L"WmiMonitorBrightnessMethods");
    fw::Bstr methodName(L"WmiSetBrightness");
    if (!className || !methodName) return 0;

    if (FAILED(services->CreateInstanceEnum(className.Get(), 0, nullptr, enumerator.Put())) || !enumerator)
        return 0;
    fw::ComPtr<IWbemClassObject> classObject;
    if (FAILED(services->GetObject(className.Get(), 0, nullptr, classObject.Put(), nullptr)) || !classObject)
        return 0;
    fw::Bstr path = GetInstancePath(className.Get(), 0);
    if (!path) return 0;  // no monitor: nothing to address

    fw::ComPtr<IWbemClassObject> inSignature;
    fw::ComPtr<IWbemClassObject> outSignature;
    if (FAILED(classObject->GetMethod(methodName.Get(), 0, inSignature.Put(), outSignature.Put()))) {
        ::OutputDebugStringA("pClass->GetMethod failed\n");
        return 0;
    }
    if (!inSignature) return 0;
    fw::ComPtr<IWbemClassObject> inArgs;
    HRESULT hr = inSignature->SpawnInstance(0, inArgs.Put());
    inSignature.Reset();
    if (FAILED(hr) || !inArgs) return 0;

    fw::Variant level;
    level->vt = VT_UI1;
    level->bVal = brightness;
    inArgs->Put(L"Brightness", 0, level.Get(), 0);
    fw::Variant timeout;
    timeout->vt = VT_I4;
    timeout->lVal = 1000;
    if (FAILED(inArgs->Put(L"Timeout", 0, timeout.Get(), 0))) {
        ::OutputDebugStringA("pInArg->Put failed\n");
        return 0;
    }

    fw::ComPtr<IWbemClassObject> outArgs;
    hr = services->ExecMethod(path.Get(), methodName.Get(), 0, nullptr, inArgs.Get(), outArgs.Put(), nullptr);
    if (FAILED(hr)) {
        std::printf("pService->ExecMethod is 0x%08lx\n", static_cast<unsigned long>(hr));
        ::OutputDebugStringA("pService->ExecMethod failed\n");
        return 0;
    }
    return 1;
}
