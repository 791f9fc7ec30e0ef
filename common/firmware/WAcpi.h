#pragma once
// The connection to the notebook firmware's ACPI methods as the ACPI-to-WMI mapping exposes them
// in "\\.\ROOT\WMI" (class "Method_ULong"), and to the standard monitor brightness class. Each
// window that needs the firmware owns one as a private member: it connects while the window
// initialises and lets go when the window closes (or, at the latest, when the object goes).
//
// Requests are made on demand and hold nothing between calls: every request fetches its class,
// method and instances afresh. A failure returns false; the failing HRESULT and a word of what
// failed are kept (LastError, LastFailure) and traced with OutputDebugStringA for a debugger.
#include <windows.h>
#include <wbemidl.h>

#include <cstddef>

#include "Com.h"

class CWAcpi {
public:
    CWAcpi() = default;
    // The connection goes with the object; COM must still be initialised then.
    virtual ~CWAcpi() { Release(); }
    CWAcpi(const CWAcpi&) = delete;
    CWAcpi& operator=(const CWAcpi&) = delete;

    // Connects to "\\.\ROOT\WMI" under the proxy security the firmware methods need. A connected
    // object stays as it is; a failed attempt holds nothing and may be made again. COM belongs to
    // the application: a failure here never uninitialises it.
    bool Connect();
    bool Connected() const { return static_cast<bool>(services_); }
    // Lets the connection go; nothing when there is none.
    void Release();

    // Runs `method` of the object at `path` with the 32-bit `value` in the in-parameter `param`.
    bool ExecSetULong(const char* className, const char* path, const char* method, const char* param,
                      ULONG value);
    // Runs `method` of the object at `path` and reads the 32-bit out-parameter `param` into
    // `value`, which a failure leaves untouched.
    bool ExecGetULong(const char* path, const char* method, const char* param, ULONG& value);
    // Object path of the n-th instance of `className`, from an enumeration made for this call;
    // a null Bstr when there is no such instance or its name does not fit the path.
    fw::Bstr GetInstancePath(const wchar_t* className, int n);
    // Sets the brightness (0-100 on real panels) of the first monitor.
    bool SetMonitorBrightness(BYTE brightness);

    // The HRESULT of the last failure (S_OK before any), and what failed.
    HRESULT LastError() const { return lastError_; }
    const char* LastFailure() const { return lastFailure_; }

private:
    // Keeps and traces the failure; always false.
    bool Fail(HRESULT hr, const char* what, const char* subject = nullptr);
    bool Fail(HRESULT hr, const char* what, const wchar_t* subject);

    fw::ComPtr<IWbemLocator> locator_;
    fw::ComPtr<IWbemServices> services_;
    HRESULT lastError_ = S_OK;
    char lastFailure_[192] = {};
};

// Wide characters an instance name may take once its backslashes are doubled (the terminator of
// the 256-character path buffer excluded).
constexpr std::size_t kMaxEscapedInstanceName = 255;

// Copies `name` into `out` (room for `cap` characters with the terminator) with every backslash
// doubled, as WMI wants key values in object paths. False, with `out` empty, when it does not fit.
bool EscapeWmiKeyValue(const wchar_t* name, wchar_t* out, std::size_t cap);
