// Text crossing between the controls and the script engine.
//
// WindowText is what the controls hold: 8-bit text in the system's ANSI code
// page (one or two bytes a character on code page 936), without a NUL inside.
// ScriptText is what the script routines see: UTF-16 code units, held in a
// BSTR when it goes to the engine.
#pragma once

#include "script/ComScoped.h"

#include <optional>
#include <string>
#include <string_view>

using WindowText = std::string;

// No text is passed on as the empty text.
inline std::string_view textOrEmpty(const std::optional<WindowText>& text) {
    return text ? std::string_view(*text) : std::string_view();
}

// Decodes with CP_ACP as MultiByteToWideChar does without flags. The empty
// text gives a zero-length BSTR, never a null one.
Bstr toScriptText(std::string_view text);

// A BSTR holding exactly these code units (NULs included).
Bstr makeBstr(std::wstring_view units);

// Encodes the code units before the first U+0000 with CP_ACP, as
// WideCharToMultiByte does without flags: what the code page lacks is replaced
// by its default or a best-fit character.
WindowText toWindowText(std::wstring_view units);

// The longest prefix of at most `limit` bytes that does not end inside a
// double-byte character of the ANSI code page.
std::string_view cutToBytes(std::string_view text, std::size_t limit);
