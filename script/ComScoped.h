// Move-only owners for the OLE automation resources the script host handles:
// BSTR, VARIANT and SAFEARRAY. Each releases what it holds exactly once.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "common/UniqueResource.h"

class Bstr : public UniqueResource<BSTR, SysFreeString> {
public:
    using UniqueResource::UniqueResource;
    // Length in UTF-16 code units; a null BSTR has length 0.
    UINT length() const { return SysStringLen(get()); }
};

using SafeArray = UniqueResource<SAFEARRAY*, SafeArrayDestroy>;

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
