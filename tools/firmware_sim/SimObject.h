#pragma once
// IWbemClassObject of the simulator: a class, one of its instances, a method signature or a set of
// method parameters, each a list of typed properties.
#include <string>
#include <vector>

#include "ComObject.h"
#include "SimSchema.h"

namespace sim {

// A VARIANT that can live in a vector.
class Value {
public:
    Value() { ::VariantInit(&v_); }
    Value(const Value& o) : Value() { ::VariantCopy(&v_, const_cast<VARIANT*>(&o.v_)); }
    Value& operator=(const Value& o) {
        if (this != &o) ::VariantCopy(&v_, const_cast<VARIANT*>(&o.v_));
        return *this;
    }
    ~Value() { ::VariantClear(&v_); }
    VARIANT* Get() { return &v_; }
    const VARIANT* Get() const { return &v_; }

private:
    VARIANT v_;
};

class SimObject : public ComObject<IWbemClassObject> {
public:
    enum class Kind { Class, Instance, Signature, Parameters };

    static SimObject* NewClass(const ClassDef& cls);
    static SimObject* NewInstance(const ClassDef& cls, const std::wstring& instanceName);
    static SimObject* NewSignature(const PropDef* props, std::size_t count);
    static SimObject* NewParameters(const PropDef* props, std::size_t count);

    HRESULT Set(const wchar_t* name, const VARIANT& value);

    HRESULT STDMETHODCALLTYPE GetQualifierSet(IWbemQualifierSet**) override;
    HRESULT STDMETHODCALLTYPE Get(LPCWSTR name, LONG flags, VARIANT* value, CIMTYPE* type,
                                  LONG* flavor) override;
    HRESULT STDMETHODCALLTYPE Put(LPCWSTR name, LONG flags, VARIANT* value, CIMTYPE type) override;
    HRESULT STDMETHODCALLTYPE Delete(LPCWSTR) override;
    HRESULT STDMETHODCALLTYPE GetNames(LPCWSTR, LONG, VARIANT*, SAFEARRAY**) override;
    HRESULT STDMETHODCALLTYPE BeginEnumeration(LONG flags) override;
    HRESULT STDMETHODCALLTYPE Next(LONG flags, BSTR* name, VARIANT* value, CIMTYPE* type,
                                   LONG* flavor) override;
    HRESULT STDMETHODCALLTYPE EndEnumeration() override;
    HRESULT STDMETHODCALLTYPE GetPropertyQualifierSet(LPCWSTR, IWbemQualifierSet**) override;
    HRESULT STDMETHODCALLTYPE Clone(IWbemClassObject** copy) override;
    HRESULT STDMETHODCALLTYPE GetObjectText(LONG, BSTR*) override;
    HRESULT STDMETHODCALLTYPE SpawnDerivedClass(LONG, IWbemClassObject**) override;
    HRESULT STDMETHODCALLTYPE SpawnInstance(LONG flags, IWbemClassObject** instance) override;
    HRESULT STDMETHODCALLTYPE CompareTo(LONG, IWbemClassObject*) override;
    HRESULT STDMETHODCALLTYPE GetPropertyOrigin(LPCWSTR, BSTR*) override;
    HRESULT STDMETHODCALLTYPE InheritsFrom(LPCWSTR) override;
    HRESULT STDMETHODCALLTYPE GetMethod(LPCWSTR name, LONG flags, IWbemClassObject** in,
                                        IWbemClassObject** out) override;
    HRESULT STDMETHODCALLTYPE PutMethod(LPCWSTR, LONG, IWbemClassObject*, IWbemClassObject*) override;
    HRESULT STDMETHODCALLTYPE DeleteMethod(LPCWSTR) override;
    HRESULT STDMETHODCALLTYPE BeginMethodEnumeration(LONG) override;
    HRESULT STDMETHODCALLTYPE NextMethod(LONG, BSTR*, IWbemClassObject**, IWbemClassObject**) override;
    HRESULT STDMETHODCALLTYPE EndMethodEnumeration() override;
    HRESULT STDMETHODCALLTYPE GetMethodQualifierSet(LPCWSTR, IWbemQualifierSet**) override;
    HRESULT STDMETHODCALLTYPE GetMethodOrigin(LPCWSTR, BSTR*) override;

private:
    struct Prop {
        std::wstring name;
        CIMTYPE type;
        Value value;  // VT_NULL until set
    };

    SimObject(Kind kind, const ClassDef* cls, const PropDef* props, std::size_t count);
    Prop* Find(const wchar_t* name);
    HRESULT GetSystemProperty(const std::wstring& name, VARIANT* value, CIMTYPE* type);

    Kind kind_;
    const ClassDef* class_;  // null for signatures and parameters
    std::vector<Prop> props_;
    std::size_t enumPos_ = 0;
    bool enumerating_ = false;
};

}  // namespace sim
