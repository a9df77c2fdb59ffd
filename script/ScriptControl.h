// The parts of the Microsoft Script Control's COM interfaces that the script
// host calls. The platform SDK of this toolchain does not declare them, so
// they are declared here: each interface in full vtable order, so that the
// slots the host uses sit where the component expects them. The test suite
// checks every slot the host calls against the component's own type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

struct IScriptError;
struct IScriptProcedure;
struct IScriptProcedureCollection;

inline constexpr CLSID kScriptControlClass = {
    0x0E59F1D5, 0x1FBE, 0x11D0, {0x8F, 0xF2, 0x00, 0xA0, 0xD1, 0x00, 0x38, 0xBC}};

struct IScriptControl : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Language(BSTR* language) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Language(BSTR language) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_State(LONG* state) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_State(LONG state) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SitehWnd(LONG* window) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_SitehWnd(LONG window) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Timeout(LONG* milliseconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Timeout(LONG milliseconds) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_AllowUI(VARIANT_BOOL* allow) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_AllowUI(VARIANT_BOOL allow) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UseSafeSubset(VARIANT_BOOL* safe) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UseSafeSubset(VARIANT_BOOL safe) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Modules(IDispatch** modules) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Error(IScriptError** error) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CodeObject(IDispatch** object) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Procedures(IScriptProcedureCollection** procedures) = 0;
    virtual HRESULT STDMETHODCALLTYPE _AboutBox() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddObject(BSTR name, IDispatch* object,
                                                VARIANT_BOOL addMembers) = 0;
    virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddCode(BSTR code) = 0;
    virtual HRESULT STDMETHODCALLTYPE Eval(BSTR expression, VARIANT* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE ExecuteStatement(BSTR statement) = 0;
    virtual HRESULT STDMETHODCALLTYPE Run(BSTR procedureName, SAFEARRAY** parameters,
                                          VARIANT* result) = 0;
};

struct IScriptProcedureCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** enumerator) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Item(VARIANT index, IScriptProcedure** procedure) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Count(LONG* count) = 0;
};

struct IScriptProcedure : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_NumArgs(LONG* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HasReturnValue(VARIANT_BOOL* hasValue) = 0;
};

struct IScriptError : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Number(LONG* number) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Source(BSTR* source) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Description(BSTR* description) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HelpFile(BSTR* helpFile) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HelpContext(LONG* helpContext) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Text(BSTR* text) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Line(LONG* line) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Column(LONG* column) = 0;
    virtual HRESULT STDMETHODCALLTYPE Clear() = 0;
};

// GCC ignores __declspec(uuid); these let __uuidof and ComPtr::As find the IIDs.
__CRT_UUID_DECL(IScriptControl, 0x0E59F1D3, 0x1FBE, 0x11D0, 0x8F, 0xF2, 0x00, 0xA0, 0xD1, 0x00,
                0x38, 0xBC)
__CRT_UUID_DECL(IScriptProcedureCollection, 0x70841C71, 0x067D, 0x11D0, 0x95, 0xD8, 0x00, 0xA0,
                0x24, 0x63, 0xAB, 0x28)
__CRT_UUID_DECL(IScriptProcedure, 0x70841C73, 0x067D, 0x11D0, 0x95, 0xD8, 0x00, 0xA0, 0x24, 0x63,
                0xAB, 0x28)
__CRT_UUID_DECL(IScriptError, 0x70841C78, 0x067D, 0x11D0, 0x95, 0xD8, 0x00, 0xA0, 0x24, 0x63,
                0xAB, 0x28)
