// Drives a real MainWindow the way a user does: key presses go in as real
// input (SendInput) and come out of the queue through the same keyboard
// rules and dispatch as in the program's own message loop.
#pragma once

#include "app/Shell.h"
#include "ui/MainWindow.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

class WindowDriver {
public:
    WindowDriver() : window_(MainWindow::create()) {
        if (window_) window_->open();
        pump();
    }

    MainWindow& window() { return *window_; }
    HWND control(ControlId id) { return window_->control(id); }
    ControlId focused() const { return static_cast<ControlId>(GetDlgCtrlID(GetFocus())); }

    // Presses the keys together (modifiers first) and releases them.
    void press(std::initializer_list<WORD> keys) {
        std::vector<INPUT> inputs;
        for (WORD key : keys) inputs.push_back(keyInput(key, 0));
        for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
            inputs.push_back(keyInput(*key, KEYEVENTF_KEYUP));
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        pump();
    }

    // Types letters, digits and spaces one key at a time.
    void type(const std::string& text) {
        for (char c : text) press({static_cast<WORD>(std::toupper(static_cast<unsigned char>(c)))});
    }

    // Handles every message that arrives until the queue stays quiet.
    void pump() {
        for (int quiet = 0; quiet < 3;) {
            MSG message;
            if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                quiet = 0;
                processMessage(window_ && window_->exists() ? window_.get() : nullptr, message);
            } else {
                ++quiet;
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT);
            }
        }
    }

    std::string text(ControlId id) {
        const int length = GetWindowTextLengthA(control(id));
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(control(id), text.data(), length + 1)));
        return text;
    }

private:
    static INPUT keyInput(WORD key, DWORD flags) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        return input;
    }

    std::unique_ptr<MainWindow> window_;
};
