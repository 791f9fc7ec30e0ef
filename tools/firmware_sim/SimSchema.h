#pragma once
// The classes the simulated firmware publishes in \\.\ROOT\WMI, and their object paths.
#include <windows.h>
#include <wbemidl.h>

#include <cstddef>
#include <string>
#include <vector>

namespace sim {

struct PropDef {
    const wchar_t* name;
    CIMTYPE type;
};

struct MethodDef {
    const wchar_t* name;
    const PropDef* in;
    std::size_t inCount;
    const PropDef* out;
    std::size_t outCount;
};

struct ClassDef {
    const wchar_t* name;
    const PropDef* props;
    std::size_t propCount;
    const MethodDef* methods;
    std::size_t methodCount;
};

const ClassDef* FindClass(const std::wstring& name);
const MethodDef* FindMethod(const ClassDef& cls, const std::wstring& name);
// Instance names (InstanceName keys, unescaped) of the class as the machine has them now.
std::vector<std::wstring> InstanceNames(const ClassDef& cls);
bool HasInstance(const ClassDef& cls, const std::wstring& instanceName);

bool SameName(const std::wstring& a, const std::wstring& b);  // WMI names ignore case

// Class.InstanceName="key" with \\ and \" escapes in the key; a bare class name has no key.
struct ObjectPath {
    std::wstring className;
    std::wstring instanceName;
    bool hasKey = false;
};
// WBEM_S_NO_ERROR or WBEM_E_INVALID_OBJECT_PATH.
HRESULT ParseObjectPath(const wchar_t* text, ObjectPath& path);
std::wstring InstancePath(const ClassDef& cls, const std::wstring& instanceName);

}  // namespace sim
