#include "Firmware.h"

#include "Com.h"
#include "SimState.h"

namespace sim {
namespace {

// A uint32 parameter as WMI hands it over: usually VT_I4, whose bits are the word.
bool ToULong(const VARIANT& v, ULONG& out) {
    switch (v.vt) {
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
            out = v.ulVal;
            return true;
        case VT_EMPTY:
        case VT_NULL:
            return false;
        default: {
            VARIANT c;
            ::VariantInit(&c);
            if (FAILED(::VariantChangeType(&c, const_cast<VARIANT*>(&v), 0, VT_UI4))) return false;
            out = c.ulVal;
            return true;
        }
    }
}

HRESULT ReadParam(IWbemClassObject* in, const wchar_t* name, ULONG& value) {
    if (!in) return WBEM_E_INVALID_PARAMETER;
    fw::Variant v;
    if (FAILED(in->Get(name, 0, v.Get(), nullptr, nullptr))) return WBEM_E_INVALID_PARAMETER;
    return ToULong(*v.Get(), value) ? WBEM_S_NO_ERROR : WBEM_E_INVALID_PARAMETER;
}

std::wstring MethodNumber(const std::wstring& instanceName) {
    std::size_t cut = instanceName.rfind(L'\\');
    return cut == std::wstring::npos ? instanceName : instanceName.substr(cut + 1);
}

HRESULT GetULong(const MethodDef& m, const std::wstring& instanceName, IWbemClassObject** out) {
    StateCountCall();
    if (StateSwitch("FailGet")) return WBEM_E_FAILED;
    if (!out) return WBEM_S_NO_ERROR;
    SimObject* params = SimObject::NewParameters(m.out, m.outCount);
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = static_cast<LONG>(FirmwareWord(MethodNumber(instanceName)));
    params->Set(L"Data", v);
    *out = params;
    return WBEM_S_NO_ERROR;
}

HRESULT SetULong(const std::wstring& instanceName, IWbemClassObject* in) {
    ULONG data = 0;
    HRESULT hr = ReadParam(in, L"Data", data);
    if (FAILED(hr)) return hr;
    StateCountCall();
    StateCountWrite();
    return SetFirmwareWord(MethodNumber(instanceName), data) ? WBEM_S_NO_ERROR : WBEM_E_FAILED;
}

// On the notebook the firmware tracks what the monitor method sets: the 0_50 level of the power
// source in use becomes the brightness minus one (the suite sends 1..9 for its levels 0..8).
// Bits above the two nibbles are the firmware's own and stay.
void FollowMonitor(ULONG brightness) {
    const DWORD level = brightness == 0 ? 0 : (brightness - 1 > 0xF ? 0xF : brightness - 1);
    const DWORD word = FirmwareWord(L"0_50");
    SetFirmwareWord(L"0_50", OnBattery() ? (word & ~0x0Ful) | level : (word & ~0xF0ul) | (level << 4));
}

HRESULT SetBrightness(IWbemClassObject* in) {
    ULONG timeout = 0, level = 0;
    HRESULT hr = ReadParam(in, L"Timeout", timeout);
    if (SUCCEEDED(hr)) hr = ReadParam(in, L"Brightness", level);
    if (FAILED(hr)) return hr;
    if (level > 0xFF) return WBEM_E_INVALID_PARAMETER;  // a uint8
    StateCountCall();
    if (StateSwitch("FailMonitor")) return WBEM_E_FAILED;
    if (!StateSet("MonitorBrightness", level)) return WBEM_E_FAILED;
    FollowMonitor(level);
    return WBEM_S_NO_ERROR;
}

}  // namespace

HRESULT RunMethod(const MethodDef& method, const std::wstring& instanceName, IWbemClassObject* in,
                  IWbemClassObject** out) {
    std::wstring name = method.name;
    if (name == L"GetULong") return GetULong(method, instanceName, out);
    if (name == L"SetULong") return SetULong(instanceName, in);
    if (name == L"WmiSetBrightness") return SetBrightness(in);
    return WBEM_E_INVALID_METHOD;
}

}  // namespace sim
