// Reading and writing the state the handlers work on, straight from the
// controls at the moment of the call.
#pragma once

#include "script/TextConvert.h"

#include <windows.h>

#include <optional>

// The whole text of a box, as the control holds it; no text when empty.
std::optional<WindowText> readText(HWND box);
// Replaces the whole text of a box byte for byte; no text writes "".
void writeText(HWND box, const std::optional<WindowText>& text);
// True only when the check box answers BST_CHECKED.
bool isTicked(HWND checkBox);

// Puts `text` on the clipboard as CF_TEXT. False when the clipboard could
// not be opened or the memory for it not obtained.
bool copyTextToClipboard(std::string_view text);
