#include "SimSchema.h"

#include "SimState.h"

namespace sim {
namespace {

const PropDef kInstanceProps[] = {{L"InstanceName", CIM_STRING}, {L"Active", CIM_BOOLEAN}};
const PropDef kDataProp[] = {{L"Data", CIM_UINT32}};
const PropDef kBrightnessIn[] = {{L"Timeout", CIM_UINT32}, {L"Brightness", CIM_UINT8}};

const MethodDef kULongMethods[] = {
    {L"GetULong", nullptr, 0, kDataProp, 1},
    {L"SetULong", kDataProp, 1, nullptr, 0},
};
const MethodDef kMonitorMethods[] = {
    {L"WmiSetBrightness", kBrightnessIn, 2, nullptr, 0},
};

const ClassDef kClasses[] = {
    {L"Method_ULong", kInstanceProps, 2, kULongMethods, 2},
    {L"WmiMonitorBrightnessMethods", kInstanceProps, 2, kMonitorMethods, 1},
};

}  // namespace

bool SameName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()),
                            b.c_str(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

const ClassDef* FindClass(const std::wstring& name) {
    for (const ClassDef& c : kClasses)
        if (SameName(c.name, name)) return &c;
    return nullptr;
}

const MethodDef* FindMethod(const ClassDef& cls, const std::wstring& name) {
    for (std::size_t i = 0; i < cls.methodCount; ++i)
        if (SameName(cls.methods[i].name, name)) return &cls.methods[i];
    return nullptr;
}

std::vector<std::wstring> InstanceNames(const ClassDef& cls) {
    if (&cls == &kClasses[0])
        return {L"ACPI\\PNP0C14\\0_49", L"ACPI\\PNP0C14\\0_50", L"ACPI\\PNP0C14\\0_230"};
    return {MonitorInstanceName()};
}

bool HasInstance(const ClassDef& cls, const std::wstring& instanceName) {
    for (const std::wstring& name : InstanceNames(cls))
        if (SameName(name, instanceName)) return true;
    return false;
}

HRESULT ParseObjectPath(const wchar_t* text, ObjectPath& path) {
    path = ObjectPath();
    if (!text || !*text) return WBEM_E_INVALID_OBJECT_PATH;
    std::wstring s(text);
    // A full path names the namespace first: \\.\ROOT\WMI:Class.Key="..."
    std::size_t dot = s.find(L'.');
    std::size_t colon = s.find(L':');
    if (colon != std::wstring::npos && (dot == std::wstring::npos || colon < dot)) {
        s.erase(0, colon + 1);
        dot = s.find(L'.');
    }
    if (dot == std::wstring::npos) {
        if (s.empty() || s.find_first_of(L"=\"\\") != std::wstring::npos) return WBEM_E_INVALID_OBJECT_PATH;
        path.className = s;
        return WBEM_S_NO_ERROR;
    }
    path.className = s.substr(0, dot);
    std::size_t eq = s.find(L'=', dot);
    if (path.className.empty() || eq == std::wstring::npos ||
        !SameName(s.substr(dot + 1, eq - dot - 1), L"InstanceName"))
        return WBEM_E_INVALID_OBJECT_PATH;
    std::size_t i = eq + 1;
    if (i >= s.size() || s[i] != L'"') return WBEM_E_INVALID_OBJECT_PATH;
    for (++i; i < s.size(); ++i) {
        wchar_t c = s[i];
        if (c == L'"') {
            if (i + 1 != s.size()) return WBEM_E_INVALID_OBJECT_PATH;
            path.hasKey = true;
            return WBEM_S_NO_ERROR;
        }
        if (c == L'\\') {
            // Only \\ and \" are escapes; a single backslash is a malformed key.
            if (i + 1 >= s.size() || (s[i + 1] != L'\\' && s[i + 1] != L'"'))
                return WBEM_E_INVALID_OBJECT_PATH;
            c = s[++i];
        }
        path.instanceName += c;
    }
    return WBEM_E_INVALID_OBJECT_PATH;  // no closing quote
}

std::wstring InstancePath(const ClassDef& cls, const std::wstring& instanceName) {
    std::wstring path(cls.name);
    path += L".InstanceName=\"";
    for (wchar_t c : instanceName) {
        if (c == L'\\' || c == L'"') path += L'\\';
        path += c;
    }
    path += L"\"";
    return path;
}

}  // namespace sim
