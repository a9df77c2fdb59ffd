// The program's one window: an input box, four buttons, a check box and an
// output box in a fixed-size frame, plus the hidden script component that
// carries the ScriptHost.
#pragma once

#include "script/ScriptHost.h"
#include "ui/ControlIds.h"
#include "ui/WinScoped.h"

#include <windows.h>

#include <memory>

class MainWindow {
public:
    static constexpr int kWidth = 495;
    static constexpr int kHeight = 297;

    // Creates the window and its controls, all hidden, and the script host.
    // Null, with whatever was created destroyed again, when the window or a
    // control cannot be created.
    static std::unique_ptr<MainWindow> create();
    ~MainWindow();

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Raises the created event and, if the window still exists, shows it:
    // the window is never on screen before handleCreated has returned.
    void open();

    // The keyboard rules, applied to a message before it is dispatched.
    // True when the message was consumed.
    bool preTranslate(const MSG& message);

    bool exists() const { return window_ != nullptr; }
    HWND handle() const { return window_; }
    HWND control(ControlId id) const { return GetDlgItem(window_, id); }
    ScriptHost& scriptHost() { return *scriptHost_; }

    // The window the handlers work on: the program's one MainWindow, or null
    // when there is none.
    static MainWindow* current() { return current_; }

private:
    MainWindow() = default;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool createControls();
    bool createEditBox(ControlId id, int left, int top, Brush& brush);
    bool createButton(ControlId id, int left, int top, const char* caption);
    bool createCheckBox();
    bool createScriptComponent();
    HWND createChild(ControlId id, const char* className, const char* caption, DWORD style,
                     int left, int top, int width, int height);
    void arrangeAndShowControls();

    void keepFullSizeOnSmallScreens(MINMAXINFO* limits) const;
    void paintBackground(HDC dc) const;
    LRESULT colourControl(UINT message, HDC dc, HWND control) const;
    void onCommand(int id, int notification);
    void onActivate(bool active);
    void restoreFocus();
    void onDestroyed();

    void moveFocus(bool forward);
    bool clickDefaultButton(HWND focus);
    bool activateMnemonic(char key);

    HWND window_ = nullptr;
    HWND lastFocus_ = nullptr;
    HFONT font_ = nullptr;
    Brush inputBrush_;
    Brush outputBrush_;
    Brush checkBoxBrush_;
    std::unique_ptr<ScriptHost> scriptHost_;

    static inline MainWindow* current_ = nullptr;
};

// Where a window of the given outer size is centred on a screen: each
// coordinate an integer division that rounds toward zero.
POINT centredOrigin(int screenWidth, int screenHeight, int width, int height);
