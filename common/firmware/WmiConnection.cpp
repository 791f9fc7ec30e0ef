#include "WmiConnection.h"

#include <utility>

void ConnectWmi(CWAcpi& acpi, int& connected) {
    if (connected) return;
    connected = 0;

    // COM belongs to the application, which initialised it before any window existed and
    // uninitialises it at exit: a failure here must not uninitialise it behind its back.
    fw::ComPtr<IWbemLocator> locator;
    if (FAILED(::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                  locator.PutVoid())) ||
        !locator)
        return;

    fw::ComPtr<IWbemServices> services;
    HRESULT hr;
    {
        fw::Bstr ns(L"\\\\.\\ROOT\\WMI");
        if (!ns) return;
        hr = locator->ConnectServer(ns.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.Put());
    }
    if (FAILED(hr) || !services) return;
    if (FAILED(::CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                   RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE)))
        return;  // the half-made connection goes with the locals

    acpi.locator = std::move(locator);
    acpi.services = std::move(services);
    connected = 1;
}

void ReleaseWmi(CWAcpi& acpi, int& connected) {
    if (!connected) return;
    // The enumeration belongs to the connection it was made on.
    acpi.enumerator.Reset();
    acpi.services.Reset();
    acpi.locator.Reset();
    connected = 0;
}
