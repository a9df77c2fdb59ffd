#include "script/ScriptHost.h"

#include <ole2.h>

#include <algorithm>

using Microsoft::WRL::ComPtr;

namespace {

constexpr std::size_t kErrorInfoLimit = 256;

// The result in string form: a BSTR result as it is, anything else converted.
// False when the value has no string form.
bool stringForm(const Variant& result, Variant& converted, std::wstring_view& units) {
    const VARIANT* source = &result.get();
    if (result.type() == VT_EMPTY) {
        units = {};
        return true;
    }
    if (result.type() != VT_BSTR) {
        // VariantChangeType does not change its source; its signature is not const.
        if (FAILED(VariantChangeType(converted.put(), const_cast<VARIANT*>(source), 0, VT_BSTR)))
            return false;
        source = converted.get();
    }
    units = std::wstring_view(V_BSTR(source), SysStringLen(V_BSTR(source)));
    return true;
}

bool isNumberType(VARTYPE type) {
    return type == VT_R4 || type == VT_R8 || type == VT_CY || type == VT_DECIMAL;
}

// A one-element argument list that takes over `argument` without copying it.
SafeArray makeArgumentList(Bstr argument) {
    SafeArray list(SafeArrayCreateVector(VT_VARIANT, 0, 1));
    if (!list.get()) return list;
    VARIANT* element = nullptr;
    if (FAILED(SafeArrayAccessData(list.get(), reinterpret_cast<void**>(&element)))) {
        list.reset();
        return list;
    }
    V_VT(element) = VT_BSTR;
    V_BSTR(element) = argument.release();
    SafeArrayUnaccessData(list.get());
    return list;
}

}  // namespace

std::optional<WindowText> resultToText(const Variant& result) {
    Variant converted;
    std::wstring_view units;
    if (!stringForm(result, converted, units)) return std::nullopt;
    WindowText text = toWindowText(units);
    if (text.empty()) return std::nullopt;
    if (isNumberType(result.type()) && text.front() == '.') text.insert(0, 1, '0');
    return text;
}

ScriptHost::ScriptHost(const CLSID& engineClass) {
    constexpr DWORD kAnyServer = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;
    ComPtr<IUnknown> object;
    if (FAILED(CoCreateInstance(engineClass, nullptr, kAnyServer, IID_PPV_ARGS(&object)))) return;
    if (FAILED(OleRun(object.Get()))) return;
    if (FAILED(object.As(&engine_))) return;

    // A setting the engine refuses shows up later as failing calls, which are
    // silent anyway; there is nothing better to do with it here.
    (void)engine_->put_AllowUI(VARIANT_TRUE);
    (void)engine_->put_Language(toScriptText(language_).get());
    setLanguage(language_);
    setTimeOut(timeOut_);
}

void ScriptHost::setLanguage(std::string_view language) {
    language_ = WindowText(language);
    if (!engine_) return;
    if (FAILED(engine_->put_Language(toScriptText(language_).get()))) return;
    if (FAILED(engine_->Reset())) return;
    routineNames_.clear();
}

void ScriptHost::setTimeOut(std::int32_t milliseconds) {
    timeOut_ = milliseconds;
    if (engine_) (void)engine_->put_Timeout(milliseconds);  // failure: the engine keeps its own
}

bool ScriptHost::addCode(std::string_view code) {
    if (!code.empty()) lastCode_ = WindowText(code);
    const std::string_view source = code.empty() && lastCode_ ? std::string_view(*lastCode_) : code;
    if (!engine_) return false;
    if (FAILED(engine_->AddCode(toScriptText(source).get()))) return false;
    return gatherRoutineNames();
}

bool ScriptHost::gatherRoutineNames() {
    ComPtr<IScriptProcedureCollection> procedures;
    if (FAILED(engine_->get_Procedures(&procedures)) || !procedures) return false;
    routineNames_.clear();
    // A failure past this point ends the list with the names read so far.
    LONG count = 0;
    if (FAILED(procedures->get_Count(&count))) return true;
    for (LONG index = 1; index <= count; ++index) {
        ComPtr<IScriptProcedure> procedure;
        const Variant position = Variant::fromInt32(index);
        if (FAILED(procedures->get_Item(position.get(), &procedure)) || !procedure)
            break;
        Bstr name;
        if (FAILED(procedure->get_Name(name.put()))) break;
        routineNames_.push_back(toWindowText({name.get(), name.length()}));
    }
    return true;
}

bool ScriptHost::run(std::string_view name, Bstr argument, Variant& result) {
    SafeArray arguments = makeArgumentList(std::move(argument));
    if (!engine_ || !arguments.get()) return false;
    const auto known = std::find(routineNames_.begin(), routineNames_.end(), name);
    if (known == routineNames_.end()) return false;
    SAFEARRAY* list = arguments.get();
    return SUCCEEDED(engine_->Run(toScriptText(*known).get(), &list, result.put()));
}

std::optional<WindowText> ScriptHost::runRoutine(std::string_view name, std::string_view argument) {
    return runRoutine(name, toScriptText(argument));
}

std::optional<WindowText> ScriptHost::runRoutine(std::string_view name, Bstr argument) {
    Variant result;
    if (!run(name, std::move(argument), result)) return std::nullopt;
    return resultToText(result);
}

std::optional<std::wstring> ScriptHost::runRoutineOnScriptText(std::string_view name,
                                                               std::wstring_view argument) {
    Variant result;
    if (!run(name, makeBstr(argument), result)) return std::nullopt;
    Variant converted;
    std::wstring_view units;
    if (!stringForm(result, converted, units)) return std::nullopt;
    return std::wstring(units);
}

WindowText ScriptHost::errorInfo() {
    if (!engine_) return "脚本组件创建失败,请检查msscript.ocx是否注册!";
    ComPtr<IScriptError> error;
    if (FAILED(engine_->get_Error(&error)) || !error) return {};

    // A part the engine cannot give stays empty; the text is built regardless.
    Bstr description, sourceLine;
    LONG line = 0;
    (void)error->get_Description(description.put());
    (void)error->get_Text(sourceLine.put());
    (void)error->get_Line(&line);

    std::wstring text = L"Error: ";
    text.append(description.get(), description.length());
    text += L", ";
    text.append(sourceLine.get(), sourceLine.length());
    text += L"; in line ";
    text += std::to_wstring(line);

    (void)error->Clear();  // if it cannot forget, a second reading repeats the text
    return WindowText(cutToBytes(toWindowText(text), kErrorInfoLimit));
}
