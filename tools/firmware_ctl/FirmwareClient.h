#pragma once
// A plain WMI client of the firmware methods (class "Method_ULong" in ROOT\WMI), written apart from
// the suite's own access so that it shows what any outside client sees.
#include <windows.h>
#include <wbemidl.h>

#include <string>

#include "Com.h"

class FirmwareClient {
public:
    // Connects to ROOT\WMI; `error` says why not.
    bool Connect(std::string& error);
    // True when the WMI locator of this prefix is the firmware simulator. Wine's own WMI crashes the
    // caller on these methods, so nothing is called without it.
    bool Simulated() const { return simulated_; }

    HRESULT GetULong(const char* instance, ULONG& value);
    HRESULT SetULong(const char* instance, ULONG value);

private:
    fw::ComPtr<IWbemServices> services_;
    bool simulated_ = false;
};

// Text of a WMI failure code, e.g. "0x80041002 (not found)".
std::string DescribeHresult(HRESULT hr);
