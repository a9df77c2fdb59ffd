#include "ui/MainWindow.h"

#include "common/ProcessState.h"
#include "ui/Handlers.h"

#include <cctype>
#include <cstring>

namespace {

constexpr char kWindowClass[] = "VelloranMainWindow";
constexpr char kCaption[] = "Velloran";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kChildStyle = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
constexpr DWORD kEditStyle =
    kChildStyle | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButtonStyle = kChildStyle | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kCheckBoxStyle = kChildStyle | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Top to bottom: the order the controls are stacked in.
constexpr ControlId kLayoutOrder[] = {按钮4, 脚本组件1, 按钮3, 编辑框2, 选择框1, 按钮2, 按钮1, 编辑框1};

// The handler each button's click runs.
struct ClickBinding {
    ControlId button;
    void (*handler)();
};
constexpr ClickBinding kClickBindings[] = {
    {按钮1, handleConvert},
    {按钮2, handleRestore},
    {按钮3, handleCopy},
    {按钮4, handleClear},
};

// Events reach their handlers only while no fatal report has begun.
void raise(void (*handler)()) {
    if (handler && process::fatalReportsBegun == 0) handler();
}

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

bool registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HICON loadWindowIcon(HINSTANCE instance, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED));
}

bool isVisibleEnabledTabStop(HWND control) {
    return control && IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongA(control, GWL_STYLE) & WS_TABSTOP);
}

bool hasClass(HWND control, const char* name) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

// An edit box wants Enter when it is multi-line and not read-only.
bool wantsEnter(HWND control) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    return hasClass(control, "EDIT") && (style & ES_MULTILINE) && !(style & ES_READONLY);
}

bool isDefaultPushButton(HWND control) {
    return hasClass(control, "BUTTON") && IsWindowEnabled(control) &&
           (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

bool isKeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

POINT centredOrigin(int screenWidth, int screenHeight, int width, int height) {
    // C++ integer division truncates toward zero, as the placement requires.
    return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

std::unique_ptr<MainWindow> MainWindow::create() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerWindowClass(instance, windowProc)) return nullptr;

    std::unique_ptr<MainWindow> self(new MainWindow());
    const POINT origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       kWidth, kHeight);
    CreateWindowExA(0, kWindowClass, kCaption, kWindowStyle, origin.x, origin.y, kWidth, kHeight,
                    nullptr, nullptr, instance, self.get());
    if (!self->window_) return nullptr;

    RECT outer;
    GetWindowRect(self->window_, &outer);
    if (outer.right - outer.left != kWidth || outer.bottom - outer.top != kHeight)
        MoveWindow(self->window_, origin.x, origin.y, kWidth, kHeight, FALSE);

    SendMessageA(self->window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(loadWindowIcon(instance, SM_CXICON)));
    SendMessageA(self->window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(loadWindowIcon(instance, SM_CXSMICON)));
    SendMessageA(self->window_, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);

    if (!self->createControls()) return nullptr;  // the destructor destroys the window
    self->arrangeAndShowControls();
    return self;
}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

void MainWindow::open() {
    current_ = this;
    raise(handleCreated);
    if (!exists()) return;
    // The moved and size-changed events have no handlers, so raising them
    // once here has nothing to run.
    ShowWindow(window_, SW_SHOW);
    if (!GetFocus() || !IsChild(window_, GetFocus())) restoreFocus();
}

bool MainWindow::createControls() {
    return createEditBox(编辑框1, 8, 32, inputBrush_) &&
           createButton(按钮1, 16, 120, "转换unicode↓") &&
           createButton(按钮2, 120, 119, "unicode还原↓") &&
           createCheckBox() &&
           createEditBox(编辑框2, 8, 160, outputBrush_) &&
           createButton(按钮3, 224, 120, "复制结果") &&
           createScriptComponent() &&
           createButton(按钮4, 336, 120, "清空结果");
}

HWND MainWindow::createChild(ControlId id, const char* className, const char* caption, DWORD style,
                             int left, int top, int width, int height) {
    return CreateWindowExA(0, className, caption, style, left, top, width, height, window_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

bool MainWindow::createEditBox(ControlId id, int left, int top, Brush& brush) {
    const HWND box = createChild(id, "EDIT", "", kEditStyle, left, top, 456, 80);
    brush = Brush(CreateSolidBrush(kWhite));
    if (!box || !brush.get()) return false;
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    SendMessageA(box, EM_LIMITTEXT, 0, 0);  // 0: the largest a multi-line box can hold
    SendMessageA(box, EM_SETSEL, 0, 0);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
    SetWindowLongA(box, GWL_EXSTYLE, GetWindowLongA(box, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(box, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

bool MainWindow::createButton(ControlId id, int left, int top, const char* caption) {
    const HWND button = createChild(id, "BUTTON", caption, kButtonStyle, left, top, 96, 32);
    if (!button) return false;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    return true;
}

bool MainWindow::createCheckBox() {
    const HWND box = createChild(选择框1, "BUTTON", "不转换字母和数字", kCheckBoxStyle, 16, 8, 152, 24);
    checkBoxBrush_ = Brush(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    if (!box || !checkBoxBrush_.get()) return false;
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    return true;
}

// The script component is a hidden, disabled window that is no tab stop; it
// exists to carry the script host, which lives as long as the window.
bool MainWindow::createScriptComponent() {
    if (!createChild(脚本组件1, "STATIC", "", WS_CHILD | WS_DISABLED, 160, 8, 26, 26)) return false;
    scriptHost_ = std::make_unique<ScriptHost>();
    return true;
}

void MainWindow::arrangeAndShowControls() {
    HWND above = HWND_TOP;
    for (ControlId id : kLayoutOrder) {
        SetWindowPos(control(id), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control(id);
    }
    for (ControlId id : kLayoutOrder) ShowWindow(control(id), id == 脚本组件1 ? SW_HIDE : SW_SHOWNA);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return colourControl(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_GETMINMAXINFO:
        keepFullSizeOnSmallScreens(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);  // a stock font: never deleted
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_NCDESTROY:
        onDestroyed();
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

// The system limits a window's size to about the screen's; on a screen
// smaller than the window that would shrink it, so the limit is raised to
// the window's own size.
void MainWindow::keepFullSizeOnSmallScreens(MINMAXINFO* limits) const {
    DefWindowProcA(window_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(limits));
    if (limits->ptMaxTrackSize.x < kWidth) limits->ptMaxTrackSize.x = kWidth;
    if (limits->ptMaxTrackSize.y < kHeight) limits->ptMaxTrackSize.y = kHeight;
}

void MainWindow::paintBackground(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::colourControl(UINT message, HDC dc, HWND child) const {
    switch (GetDlgCtrlID(child)) {
    case 编辑框1:
    case 编辑框2:
        SetTextColor(dc, kBlack);
        SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(GetDlgCtrlID(child) == 编辑框1 ? inputBrush_.get()
                                                                        : outputBrush_.get());
    case 选择框1:
        SetTextColor(dc, kBlack);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(checkBoxBrush_.get());
    default:
        return DefWindowProcA(window_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(child));
    }
}

void MainWindow::onCommand(int id, int notification) {
    if (notification != BN_CLICKED) return;
    for (const ClickBinding& binding : kClickBindings)
        if (binding.button == id) raise(binding.handler);
}

void MainWindow::onActivate(bool active) {
    if (active) return;  // WM_SETFOCUS follows activation and gives the focus back
    const HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) lastFocus_ = focus;
}

// The control that had the focus when the window was last left, if it is
// still there; otherwise the first control of the tab order that can take it.
void MainWindow::restoreFocus() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    for (ControlId id : kTabOrder) {
        if (isVisibleEnabledTabStop(control(id))) {
            SetFocus(control(id));
            return;
        }
    }
}

void MainWindow::onDestroyed() {
    scriptHost_.reset();
    inputBrush_.reset();
    outputBrush_.reset();
    checkBoxBrush_.reset();
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    lastFocus_ = nullptr;
    if (current_ == this) current_ = nullptr;
    // MainWindow is the program's only window: none is left now.
    if (process::loopStarted) PostQuitMessage(0);
}

bool MainWindow::preTranslate(const MSG& message) {
    if (!window_ || (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)) return false;
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    if (!IsWindowEnabled(message.hwnd)) return false;

    const bool shift = isKeyDown(VK_SHIFT), control = isKeyDown(VK_CONTROL),
               alt = isKeyDown(VK_MENU);
    const auto key = static_cast<int>(message.wParam);
    const HWND focus = GetFocus();
    if (key == VK_RETURN && focus && wantsEnter(focus)) return false;

    if (key == VK_TAB && !control && !alt) {
        moveFocus(!shift);
        return true;
    }
    if (key == VK_RETURN && !shift && !control && !alt) return clickDefaultButton(focus);
    if (key == VK_ESCAPE && !shift && !control && !alt) {
        SendMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    }
    const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (alt && !control && !shift && letterOrDigit) return activateMnemonic(static_cast<char>(key));
    return false;  // F1, the arrows and every other key go to the focused control
}

void MainWindow::moveFocus(bool forward) {
    constexpr int count = sizeof kTabOrder / sizeof kTabOrder[0];
    const int current = GetDlgCtrlID(GetFocus());
    int position = forward ? -1 : 0;  // from outside the order: to the first or the last
    for (int i = 0; i < count; ++i)
        if (kTabOrder[i] == current) position = i;
    for (int step = 1; step <= count; ++step) {
        const int next = ((position + (forward ? step : -step)) % count + count) % count;
        if (isVisibleEnabledTabStop(control(kTabOrder[next]))) {
            SetFocus(control(kTabOrder[next]));
            return;
        }
    }
}

// Enter on a control that does not want it clicks the default push button,
// looked for first in the focused control, then in layout order. There is
// none in this window, so the key goes on to the focused control.
bool MainWindow::clickDefaultButton(HWND focus) {
    HWND found = focus && isDefaultPushButton(focus) ? focus : nullptr;
    for (ControlId id : kLayoutOrder)
        if (!found && isDefaultPushButton(control(id))) found = control(id);
    if (!found) return false;
    SendMessageA(found, BM_CLICK, 0, 0);
    return true;
}

// Alt with a letter or digit: a visible, enabled control whose caption marks
// that character with "&" takes the focus. No caption here has such a mark,
// so the key goes on.
bool MainWindow::activateMnemonic(char key) {
    for (ControlId id : kLayoutOrder) {
        const HWND child = control(id);
        if (!IsWindowVisible(child) || !IsWindowEnabled(child)) continue;
        char caption[64] = {};
        GetWindowTextA(child, caption, sizeof caption);
        for (const char* at = caption; (at = strchr(at, '&')) && at[1]; at += 2) {
            if (std::toupper(static_cast<unsigned char>(at[1])) == key) {
                SetFocus(child);
                return true;
            }
        }
    }
    return false;
}
