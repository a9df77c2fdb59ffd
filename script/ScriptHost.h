// Runs script routines by name in the Microsoft Script Control.
//
// The host owns one engine reference, set to JScript with no time limit. It
// takes source text (addCode) and runs a routine of it with one text argument
// (runRoutine). Every engine failure is silent: a host without an engine, an
// unknown routine name or a routine that fails gives no text.
#pragma once

#include "script/ScriptControl.h"
#include "script/TextConvert.h"

#include <wrl/client.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ScriptHost {
public:
    // Creates the engine of `engineClass`; any failure leaves the host
    // without one for good. OLE must be initialised on this thread.
    explicit ScriptHost(const CLSID& engineClass = kScriptControlClass);

    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // Adds source text to the engine and learns its routine names. The empty
    // text adds the last non-empty code again. True when the engine took it.
    bool addCode(std::string_view code);

    // Runs the routine `name` (matched exactly, case included, against the
    // names the engine reported) with `argument`. No text when the host has
    // no engine, does not know the name, the routine fails or its result is
    // empty.
    std::optional<WindowText> runRoutine(std::string_view name, std::string_view argument);

    // The same with the argument already converted (toScriptText), so that
    // the caller can let go of its 8-bit copy before the routine runs.
    std::optional<WindowText> runRoutine(std::string_view name, Bstr argument);

    // The same run below the code-page conversion: the argument goes in as
    // UTF-16 and the result's string form comes back whole, U+0000 included.
    std::optional<std::wstring> runRoutineOnScriptText(std::string_view name,
                                                       std::wstring_view argument);

    // The engine's last error as text, which is then forgotten by the engine.
    WindowText errorInfo();

    const WindowText& language() const { return language_; }
    void setLanguage(std::string_view language);
    std::int32_t timeOut() const { return timeOut_; }
    void setTimeOut(std::int32_t milliseconds);

    bool hasEngine() const { return engine_ != nullptr; }
    const std::vector<WindowText>& routineNames() const { return routineNames_; }

private:
    bool gatherRoutineNames();
    bool run(std::string_view name, Bstr argument, Variant& result);

    Microsoft::WRL::ComPtr<IScriptControl> engine_;
    WindowText language_ = "JScript";
    std::int32_t timeOut_ = -1;
    std::vector<WindowText> routineNames_;
    std::optional<WindowText> lastCode_;
};

// What the host gives back for a routine's result: its string form up to the
// first U+0000 in the ANSI code page, "0" before a leading "." of a number,
// and no text when that is empty.
std::optional<WindowText> resultToText(const Variant& result);
