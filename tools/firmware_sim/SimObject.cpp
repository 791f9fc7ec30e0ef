#include "SimObject.h"

namespace sim {
namespace {

bool FitsType(VARTYPE vt, CIMTYPE type) {
    if (vt == VT_NULL || vt == VT_EMPTY) return true;
    switch (type) {
        case CIM_STRING:
            return vt == VT_BSTR;
        case CIM_BOOLEAN:
            return vt == VT_BOOL;
        default:  // the integer types: WMI converts between the integer VARIANTs
            return vt == VT_UI1 || vt == VT_I1 || vt == VT_I2 || vt == VT_UI2 || vt == VT_I4 ||
                   vt == VT_UI4 || vt == VT_INT || vt == VT_UINT || vt == VT_BSTR;
    }
}

HRESULT SetOut(VARIANT* out, const VARIANT& from) {
    if (!out) return WBEM_S_NO_ERROR;
    ::VariantInit(out);
    return SUCCEEDED(::VariantCopy(out, const_cast<VARIANT*>(&from))) ? WBEM_S_NO_ERROR
                                                                      : WBEM_E_OUT_OF_MEMORY;
}

}  // namespace

SimObject::SimObject(Kind kind, const ClassDef* cls, const PropDef* props, std::size_t count)
    : kind_(kind), class_(cls) {
    for (std::size_t i = 0; i < count; ++i) {
        Prop p{props[i].name, props[i].type, Value()};
        p.value.Get()->vt = VT_NULL;
        props_.push_back(p);
    }
}

SimObject* SimObject::NewClass(const ClassDef& cls) {
    return new SimObject(Kind::Class, &cls, cls.props, cls.propCount);
}

SimObject* SimObject::NewInstance(const ClassDef& cls, const std::wstring& instanceName) {
    SimObject* o = new SimObject(Kind::Instance, &cls, cls.props, cls.propCount);
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = ::SysAllocStringLen(instanceName.data(), static_cast<UINT>(instanceName.size()));
    o->Set(L"InstanceName", v);
    ::VariantClear(&v);
    v.vt = VT_BOOL;
    v.boolVal = VARIANT_TRUE;
    o->Set(L"Active", v);
    return o;
}

SimObject* SimObject::NewSignature(const PropDef* props, std::size_t count) {
    return new SimObject(Kind::Signature, nullptr, props, count);
}

SimObject* SimObject::NewParameters(const PropDef* props, std::size_t count) {
    return new SimObject(Kind::Parameters, nullptr, props, count);
}

SimObject::Prop* SimObject::Find(const wchar_t* name) {
    if (!name) return nullptr;
    for (Prop& p : props_)
        if (SameName(p.name, name)) return &p;
    return nullptr;
}

HRESULT SimObject::Set(const wchar_t* name, const VARIANT& value) {
    Prop* p = Find(name);
    if (!p) return WBEM_E_NOT_FOUND;
    return SUCCEEDED(::VariantCopy(p->value.Get(), const_cast<VARIANT*>(&value))) ? WBEM_S_NO_ERROR
                                                                                  : WBEM_E_OUT_OF_MEMORY;
}

HRESULT SimObject::GetSystemProperty(const std::wstring& name, VARIANT* value, CIMTYPE* type) {
    std::wstring text;
    if (SameName(name, L"__CLASS")) {
        text = class_ ? class_->name : L"__PARAMETERS";
    } else if (SameName(name, L"__RELPATH") && kind_ == Kind::Instance) {
        Prop* key = Find(L"InstanceName");
        text =
            InstancePath(*class_, key && key->value.Get()->vt == VT_BSTR ? key->value.Get()->bstrVal : L"");
    } else {
        return WBEM_E_NOT_FOUND;
    }
    if (type) *type = CIM_STRING;
    if (value) {
        ::VariantInit(value);
        value->vt = VT_BSTR;
        value->bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!value->bstrVal) return WBEM_E_OUT_OF_MEMORY;
    }
    return WBEM_S_NO_ERROR;
}

HRESULT SimObject::Get(LPCWSTR name, LONG, VARIANT* value, CIMTYPE* type, LONG* flavor) {
    if (!name) return WBEM_E_INVALID_PARAMETER;
    if (flavor) *flavor = WBEM_FLAVOR_ORIGIN_LOCAL;
    Prop* p = Find(name);
    if (!p) return GetSystemProperty(name, value, type);
    if (type) *type = p->type;
    return SetOut(value, *p->value.Get());
}

HRESULT SimObject::Put(LPCWSTR name, LONG, VARIANT* value, CIMTYPE type) {
    if (!name) return WBEM_E_INVALID_PARAMETER;
    if (name[0] == L'_' && name[1] == L'_') return WBEM_E_READ_ONLY;
    Prop* p = Find(name);
    if (!p) return WBEM_E_NOT_FOUND;  // instances and parameters have only their class's properties
    if (type != 0 && type != p->type) return WBEM_E_TYPE_MISMATCH;
    if (!value) {
        ::VariantClear(p->value.Get());
        p->value.Get()->vt = VT_NULL;
        return WBEM_S_NO_ERROR;
    }
    if (!FitsType(value->vt, p->type)) return WBEM_E_TYPE_MISMATCH;
    return SUCCEEDED(::VariantCopy(p->value.Get(), value)) ? WBEM_S_NO_ERROR : WBEM_E_OUT_OF_MEMORY;
}

HRESULT SimObject::BeginEnumeration(LONG) {
    enumPos_ = 0;
    enumerating_ = true;
    return WBEM_S_NO_ERROR;
}

HRESULT SimObject::Next(LONG, BSTR* name, VARIANT* value, CIMTYPE* type, LONG* flavor) {
    if (!enumerating_) return WBEM_E_UNEXPECTED;
    if (enumPos_ >= props_.size()) return WBEM_S_NO_MORE_DATA;
    const Prop& p = props_[enumPos_++];
    if (name) *name = ::SysAllocStringLen(p.name.data(), static_cast<UINT>(p.name.size()));
    if (type) *type = p.type;
    if (flavor) *flavor = WBEM_FLAVOR_ORIGIN_LOCAL;
    return SetOut(value, *p.value.Get());
}

HRESULT SimObject::EndEnumeration() {
    enumerating_ = false;
    return WBEM_S_NO_ERROR;
}

HRESULT SimObject::Clone(IWbemClassObject** copy) {
    if (!copy) return WBEM_E_INVALID_PARAMETER;
    SimObject* o = new SimObject(kind_, class_, nullptr, 0);
    o->props_ = props_;
    *copy = o;
    return WBEM_S_NO_ERROR;
}

HRESULT SimObject::SpawnInstance(LONG, IWbemClassObject** instance) {
    if (!instance) return WBEM_E_INVALID_PARAMETER;
    *instance = nullptr;
    if (kind_ != Kind::Class && kind_ != Kind::Signature) return WBEM_E_INVALID_OPERATION;
    SimObject* o =
        new SimObject(kind_ == Kind::Class ? Kind::Instance : Kind::Parameters, class_, nullptr, 0);
    o->props_ = props_;
    for (Prop& p : o->props_) {
        ::VariantClear(p.value.Get());
        p.value.Get()->vt = VT_NULL;
    }
    *instance = o;
    return WBEM_S_NO_ERROR;
}

HRESULT SimObject::GetMethod(LPCWSTR name, LONG, IWbemClassObject** in, IWbemClassObject** out) {
    if (in) *in = nullptr;
    if (out) *out = nullptr;
    if (!name) return WBEM_E_INVALID_PARAMETER;
    if (!class_) return WBEM_E_NOT_FOUND;
    const MethodDef* m = FindMethod(*class_, name);
    if (!m) return WBEM_E_NOT_FOUND;
    // Like WMI: no signature object for a side without parameters.
    if (in && m->inCount) *in = NewSignature(m->in, m->inCount);
    if (out && m->outCount) *out = NewSignature(m->out, m->outCount);
    return WBEM_S_NO_ERROR;
}

HRESULT SimObject::InheritsFrom(LPCWSTR) { return WBEM_S_FALSE; }

HRESULT SimObject::GetQualifierSet(IWbemQualifierSet**) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::Delete(LPCWSTR) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::GetNames(LPCWSTR, LONG, VARIANT*, SAFEARRAY**) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::GetPropertyQualifierSet(LPCWSTR, IWbemQualifierSet**) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::GetObjectText(LONG, BSTR*) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::SpawnDerivedClass(LONG, IWbemClassObject**) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::CompareTo(LONG, IWbemClassObject*) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::GetPropertyOrigin(LPCWSTR, BSTR*) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::PutMethod(LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimObject::DeleteMethod(LPCWSTR) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::BeginMethodEnumeration(LONG) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::NextMethod(LONG, BSTR*, IWbemClassObject**, IWbemClassObject**) {
    return WBEM_E_NOT_SUPPORTED;
}
HRESULT SimObject::EndMethodEnumeration() { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::GetMethodQualifierSet(LPCWSTR, IWbemQualifierSet**) { return WBEM_E_NOT_SUPPORTED; }
HRESULT SimObject::GetMethodOrigin(LPCWSTR, BSTR*) { return WBEM_E_NOT_SUPPORTED; }

}  // namespace sim
