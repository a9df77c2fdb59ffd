#include "ui/ControlText.h"

#include "ui/WinScoped.h"

#include <cstring>

std::optional<WindowText> readText(HWND box) {
    const int length = GetWindowTextLengthA(box);
    if (length <= 0) return std::nullopt;
    WindowText text(static_cast<std::size_t>(length), '\0');
    // The length is an upper bound; the copy may come out shorter.
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, text.data(), length + 1)));
    if (text.empty()) return std::nullopt;
    return text;
}

void writeText(HWND box, const std::optional<WindowText>& text) {
    SetWindowTextA(box, text ? text->c_str() : "");
}

bool isTicked(HWND checkBox) { return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool copyTextToClipboard(std::string_view text) {
    const OpenClipboardScope clipboard;
    if (!clipboard.isOpen()) return false;
    EmptyClipboard();  // its result changes nothing about what follows
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1));
    if (!block.get()) return false;
    {
        const GlobalLockScope locked(block.get());
        if (!locked.data()) return false;
        std::memcpy(locked.data(), text.data(), text.size());
        static_cast<char*>(locked.data())[text.size()] = '\0';
    }
    // From here on the block is the clipboard's.
    SetClipboardData(CF_TEXT, block.release());
    return true;
}
