#include "FirmwareClient.h"

#include <cstdio>

namespace {

fw::Bstr MethodPath(const char* instance) {
    std::string path = "Method_ULong.InstanceName=\"ACPI\\\\PNP0C14\\\\";
    path += instance;
    path += "\"";
    return fw::Bstr::FromAnsi(path.c_str());
}

}  // namespace

std::string DescribeHresult(HRESULT hr) {
    const char* name = "";
    switch (static_cast<unsigned long>(hr)) {
        case WBEM_E_FAILED:
            name = " (failed)";
            break;
        case WBEM_E_NOT_FOUND:
            name = " (not found)";
            break;
        case WBEM_E_ACCESS_DENIED:
            name = " (access denied)";
            break;
        case WBEM_E_INVALID_PARAMETER:
            name = " (invalid parameter)";
            break;
        case WBEM_E_INVALID_CLASS:
            name = " (invalid class)";
            break;
        case WBEM_E_INVALID_METHOD:
            name = " (invalid method)";
            break;
        case WBEM_E_INVALID_OBJECT_PATH:
            name = " (invalid object path)";
            break;
        default:
            break;
    }
    char text[64];
    std::snprintf(text, sizeof(text), "0x%08lx%s", static_cast<unsigned long>(hr), name);
    return text;
}

bool FirmwareClient::Connect(std::string& error) {
    fw::ComPtr<IWbemLocator> locator;
    HRESULT hr = ::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                    locator.PutVoid());
    if (FAILED(hr)) {
        error = "no WMI locator: " + DescribeHresult(hr);
        return false;
    }
    simulated_ = ::GetModuleHandleA("FirmwareSim.dll") != nullptr;
    fw::Bstr ns(L"ROOT\\WMI");
    hr = locator->ConnectServer(ns.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services_.Put());
    if (FAILED(hr)) {
        error = "ConnectServer ROOT\\WMI: " + DescribeHresult(hr);
        return false;
    }
    hr = ::CoSetProxyBlanket(services_.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                             RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(hr)) {
        error = "CoSetProxyBlanket: " + DescribeHresult(hr);
        services_.Reset();
        return false;
    }
    return true;
}

HRESULT FirmwareClient::GetULong(const char* instance, ULONG& value) {
    if (!services_ || !simulated_) return WBEM_E_FAILED;
    fw::Bstr path = MethodPath(instance);
    fw::Bstr method(L"GetULong");
    fw::ComPtr<IWbemClassObject> out;
    HRESULT hr = services_->ExecMethod(path.Get(), method.Get(), 0, nullptr, nullptr, out.Put(), nullptr);
    if (FAILED(hr)) return hr;
    if (!out) return WBEM_E_FAILED;
    fw::Variant data;
    hr = out->Get(L"Data", 0, data.Get(), nullptr, nullptr);
    if (FAILED(hr)) return hr;
    if (FAILED(::VariantChangeType(data.Get(), data.Get(), 0, VT_I4))) return WBEM_E_TYPE_MISMATCH;
    value = static_cast<ULONG>(data->lVal);
    return S_OK;
}

HRESULT FirmwareClient::SetULong(const char* instance, ULONG value) {
    if (!services_ || !simulated_) return WBEM_E_FAILED;
    fw::Bstr className(L"Method_ULong");
    fw::Bstr method(L"SetULong");
    fw::ComPtr<IWbemClassObject> cls;
    HRESULT hr = services_->GetObject(className.Get(), 0, nullptr, cls.Put(), nullptr);
    if (FAILED(hr)) return hr;
    fw::ComPtr<IWbemClassObject> signature;
    hr = cls->GetMethod(method.Get(), 0, signature.Put(), nullptr);
    if (FAILED(hr)) return hr;
    if (!signature) return WBEM_E_INVALID_METHOD;
    fw::ComPtr<IWbemClassObject> in;
    hr = signature->SpawnInstance(0, in.Put());
    if (FAILED(hr)) return hr;
    fw::Variant data;
    data->vt = VT_I4;
    data->lVal = static_cast<LONG>(value);
    hr = in->Put(L"Data", 0, data.Get(), 0);
    if (FAILED(hr)) return hr;
    fw::Bstr path = MethodPath(instance);
    return services_->ExecMethod(path.Get(), method.Get(), 0, nullptr, in.Get(), nullptr, nullptr);
}
