// Move-only owners for the OLE automation resources the script host handles:
// BSTR, VARIANT and SAFEARRAY. Each releases what it holds exactly once.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(BSTR owned) : value_(owned) {}
    Bstr(Bstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        if (this != &other) {
            reset();
            value_ = std::exchange(other.value_, nullptr);
        }
        return *this;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { reset(); }

    BSTR get() const { return value_; }
    // Length in UTF-16 code units; a null BSTR has length 0.
    UINT length() const { return SysStringLen(value_); }
    // For out-parameters: frees the current string first.
    BSTR* put() {
        reset();
        return &value_;
    }
    BSTR release() { return std::exchange(value_, nullptr); }
    void reset() {
        if (value_) SysFreeString(value_);
        value_ = nullptr;
    }

private:
    BSTR value_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&value_); }
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&value_); }

    static Variant fromInt32(LONG number) {
        Variant v;
        V_VT(&v.value_) = VT_I4;
        V_I4(&v.value_) = number;
        return v;
    }

    const VARIANT& get() const { return value_; }
    VARIANT* get() { return &value_; }
    // For out-parameters: clears the current value first.
    VARIANT* put() {
        VariantClear(&value_);
        return &value_;
    }
    VARTYPE type() const { return V_VT(&value_); }

private:
    VARIANT value_;
};

class SafeArray {
public:
    SafeArray() = default;
    explicit SafeArray(SAFEARRAY* owned) : value_(owned) {}
    SafeArray(SafeArray&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    SafeArray& operator=(SafeArray&& other) noexcept {
        if (this != &other) {
            reset();
            value_ = std::exchange(other.value_, nullptr);
        }
        return *this;
    }
    SafeArray(const SafeArray&) = delete;
    SafeArray& operator=(const SafeArray&) = delete;
    ~SafeArray() { reset(); }

    SAFEARRAY* get() const { return value_; }
    void reset() {
        if (value_) SafeArrayDestroy(value_);
        value_ = nullptr;
    }

private:
    SAFEARRAY* value_ = nullptr;
};
