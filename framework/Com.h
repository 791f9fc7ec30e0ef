#pragma once
// COM ownership: interface pointers, BSTRs, VARIANTs and the apartment itself.
#include <objbase.h>
#include <oleauto.h>

#include <utility>

namespace fw {

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    explicit ComPtr(T* p) noexcept : p_(p) {}  // takes over a reference
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) {
            Reset();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* Get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    T** Put() noexcept {
        Reset();
        return &p_;
    }
    void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
    T* Detach() noexcept { return std::exchange(p_, nullptr); }
    void Reset() noexcept {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

class Bstr {
public:
    Bstr() noexcept = default;
    explicit Bstr(const wchar_t* text) : s_(text ? ::SysAllocString(text) : nullptr) {}
    // Narrow text in the ANSI code page.
    static Bstr FromAnsi(const char* text);
    static Bstr Attach(BSTR s) {
        Bstr b;
        b.s_ = s;
        return b;
    }
    ~Bstr() { ::SysFreeString(s_); }
    Bstr(Bstr&& o) noexcept : s_(std::exchange(o.s_, nullptr)) {}
    Bstr& operator=(Bstr&& o) noexcept {
        if (this != &o) {
            ::SysFreeString(s_);
            s_ = std::exchange(o.s_, nullptr);
        }
        return *this;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const noexcept { return s_; }
    BSTR* Put() noexcept {
        ::SysFreeString(s_);
        s_ = nullptr;
        return &s_;
    }
    BSTR Detach() noexcept { return std::exchange(s_, nullptr); }
    explicit operator bool() const noexcept { return s_ != nullptr; }

private:
    BSTR s_ = nullptr;
};

inline Bstr Bstr::FromAnsi(const char* text) {
    if (!text) return Bstr();
    int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 0) return Bstr();
    BSTR s = ::SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
    if (!s) return Bstr();
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, s, n);
    return Attach(s);
}

class Variant {
public:
    Variant() noexcept { ::VariantInit(&v_); }
    ~Variant() { ::VariantClear(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* Get() noexcept { return &v_; }
    const VARIANT* Get() const noexcept { return &v_; }
    VARIANT* operator->() noexcept { return &v_; }

private:
    VARIANT v_;
};

// CoInitialize for the life of the object; CoUninitialize only if it took.
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(::CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (ok_) ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

}  // namespace fw
