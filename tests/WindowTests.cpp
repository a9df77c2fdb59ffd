// MainWindow as created and as the keyboard moves through it: real windows
// on a real display, real key presses through the program's own keyboard
// rules.
#include "tests/TestSupport.h"
#include "tests/WindowDriver.h"
#include "ui/ControlText.h"

#include <vector>

namespace {

struct ExpectedControl {
    ControlId id;
    const char* className;
    DWORD style;  // without WS_VISIBLE, checked apart
    bool visible;
    RECT place;   // left, top, right, bottom in client coordinates
    const char* caption;
};

constexpr DWORD kTab = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
constexpr DWORD kEdit = kTab | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kButton = kTab | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX | BS_LEFT | BS_VCENTER | BS_MULTILINE;

// Top of the z-order first.
const ExpectedControl kLayout[] = {
    {按钮4, "Button", kButton, true, {336, 120, 432, 152}, "清空结果"},
    {脚本组件1, "Static", WS_CHILD | WS_DISABLED, false, {160, 8, 186, 34}, ""},
    {按钮3, "Button", kButton, true, {224, 120, 320, 152}, "复制结果"},
    {编辑框2, "Edit", kEdit, true, {8, 160, 464, 240}, ""},
    {选择框1, "Button", kCheck, true, {16, 8, 168, 32}, "不转换字母和数字"},
    {按钮2, "Button", kButton, true, {120, 119, 216, 151}, "unicode还原↓"},
    {按钮1, "Button", kButton, true, {16, 120, 112, 152}, "转换unicode↓"},
    {编辑框1, "Edit", kEdit, true, {8, 32, 464, 112}, ""},
};

class Window : public testing::Test {
protected:
    WindowDriver driver_;
};

TEST_F(Window, ControlsAreCreatedAsTheLayoutSays) {
    const HWND main = driver_.window().handle();
    HWND child = GetWindow(main, GW_CHILD);
    for (const ExpectedControl& expected : kLayout) {
        SCOPED_TRACE(testing::Message() << "control " << expected.id);
        // The z-order, top to bottom, is the layout order.
        ASSERT_EQ(child, driver_.control(expected.id));
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        EXPECT_STRCASEEQ(className, expected.className);
        const DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        EXPECT_EQ(style & ~WS_VISIBLE, expected.style);
        EXPECT_EQ((style & WS_VISIBLE) != 0, expected.visible);
        const DWORD extended = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
        const bool isEdit = expected.id == 编辑框1 || expected.id == 编辑框2;
        EXPECT_EQ(extended & ~WS_EX_NOPARENTNOTIFY, isEdit ? WS_EX_CLIENTEDGE : 0u);
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, expected.place.left);
        EXPECT_EQ(place.top, expected.place.top);
        EXPECT_EQ(place.right, expected.place.right);
        EXPECT_EQ(place.bottom, expected.place.bottom);
        EXPECT_EQ(driver_.text(expected.id), expected.caption);
        if (expected.id != 脚本组件1) {
            EXPECT_EQ(SendMessageA(child, WM_GETFONT, 0, 0),
                      reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "a control that is not in the layout";
    // The captions are stored in code page 936.
    EXPECT_EQ(driver_.text(按钮1), bytes({0xD7, 0xAA, 0xBB, 0xBB}) + "unicode" + bytes({0xA1, 0xFD}));
}

TEST_F(Window, FrameClassAndPlacement) {
    const HWND main = driver_.window().handle();
    char caption[32] = {};
    GetWindowTextA(main, caption, sizeof caption);
    EXPECT_STREQ(caption, "Velloran");
    const DWORD style = static_cast<DWORD>(GetWindowLongA(main, GWL_STYLE));
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(style & ~WS_CLIPSIBLINGS,
              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE);
    // ... and WS_EX_WINDOWEDGE to every window with a caption.
    EXPECT_EQ(GetWindowLongA(main, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);

    EXPECT_EQ(GetClassLongA(main, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
    EXPECT_EQ(GetClassLongPtrA(main, GCLP_HICON), 0);
    EXPECT_EQ(GetClassLongPtrA(main, GCLP_HBRBACKGROUND), 0);
    EXPECT_EQ(GetClassLongPtrA(main, GCLP_HCURSOR), reinterpret_cast<LONG_PTR>(LoadCursor(nullptr, IDC_ARROW)));
    EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageA(main, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));

    RECT outer;
    GetWindowRect(main, &outer);
    EXPECT_EQ(outer.right - outer.left, 495);
    EXPECT_EQ(outer.bottom - outer.top, 297);
    const POINT expected = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 495, 297);
    EXPECT_EQ(outer.left, expected.x);
    EXPECT_EQ(outer.top, expected.y);
    // The two screens the tests run on: Wine's virtual desktops of 1024 x 768
    // and 400 x 300 (scripts/wine-env.sh, tests/CMakeLists.txt).
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth == 1024 && screenHeight == 768) {
        EXPECT_EQ(outer.left, 264);
        EXPECT_EQ(outer.top, 235);
    } else if (screenWidth == 400 && screenHeight == 300) {
        EXPECT_EQ(outer.left, -47);
        EXPECT_EQ(outer.top, 1);
    } else {
        ADD_FAILURE() << "not one of the test desktops: " << screenWidth << " x " << screenHeight;
    }
}

TEST(Placement, CentredByDivisionTowardZero) {
    struct Case {
        int screenWidth, screenHeight, left, top;
    };
    const Case cases[] = {{1024, 768, 264, 235}, {400, 300, -47, 1}, {495, 297, 0, 0},
                          {496, 298, 0, 0},     {1, 1, -247, -148},      {1920, 1080, 712, 391}};
    for (const Case& c : cases) {
        const POINT origin = centredOrigin(c.screenWidth, c.screenHeight, 495, 297);
        EXPECT_EQ(origin.x, c.left) << c.screenWidth;
        EXPECT_EQ(origin.y, c.top) << c.screenHeight;
    }
}

TEST_F(Window, StartsWithFocusInTheInputBoxAndTheBoxTicked) {
    EXPECT_EQ(driver_.focused(), 编辑框1);
    EXPECT_EQ(SendMessageA(driver_.control(选择框1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(driver_.text(编辑框1), "");
    EXPECT_EQ(driver_.text(编辑框2), "");
    // The typing limit is raised past the default 32,767 characters. The
    // limit is unsigned: a 32-bit LRESULT holds the largest one as -1.
    const auto limit = static_cast<DWORD>(SendMessageA(driver_.control(编辑框1), EM_GETLIMITTEXT, 0, 0));
    EXPECT_GT(limit, 32767u);
}

TEST_F(Window, TabAndShiftTabCycleThroughTheControls) {
    const std::vector<ControlId> forward = {按钮1, 按钮2, 选择框1, 编辑框2, 按钮3, 按钮4, 编辑框1};
    std::vector<ControlId> visited;
    for (std::size_t i = 0; i < forward.size(); ++i) {
        driver_.press({VK_TAB});
        visited.push_back(driver_.focused());
    }
    EXPECT_EQ(visited, forward);

    const std::vector<ControlId> backward = {按钮4, 按钮3, 编辑框2, 选择框1, 按钮2, 按钮1, 编辑框1};
    visited.clear();
    for (std::size_t i = 0; i < backward.size(); ++i) {
        driver_.press({VK_SHIFT, VK_TAB});
        visited.push_back(driver_.focused());
    }
    EXPECT_EQ(visited, backward);
    // No tab character reached either box on the way.
    EXPECT_EQ(driver_.text(编辑框1), "");
    EXPECT_EQ(driver_.text(编辑框2), "");
}

TEST_F(Window, TabSkipsControlsThatCannotTakeTheFocus) {
    EnableWindow(driver_.control(按钮2), FALSE);
    ShowWindow(driver_.control(选择框1), SW_HIDE);
    driver_.press({VK_TAB});
    driver_.press({VK_TAB});
    EXPECT_EQ(driver_.focused(), 编辑框2);
}

TEST_F(Window, TypingTabInAnEditBoxMovesOnInsteadOfInserting) {
    driver_.type("ab");
    driver_.press({VK_TAB});
    EXPECT_EQ(driver_.text(编辑框1), "ab");
    EXPECT_EQ(driver_.focused(), 按钮1);
}

TEST_F(Window, EnterStartsANewLineInBothEditBoxes) {
    driver_.type("x");
    driver_.press({VK_RETURN});
    driver_.type("y");
    EXPECT_EQ(driver_.text(编辑框1), "x\r\ny");
    EXPECT_EQ(driver_.focused(), 编辑框1);

    SetFocus(driver_.control(编辑框2));
    driver_.press({VK_RETURN});
    EXPECT_EQ(driver_.text(编辑框2), "\r\n");
}

TEST_F(Window, EnterOnAButtonOrTheCheckBoxDoesNothing) {
    for (ControlId id : {按钮1, 按钮2, 选择框1}) {
        SetFocus(driver_.control(id));
        driver_.press({VK_RETURN});
        EXPECT_EQ(driver_.focused(), id);
    }
    // Clicking 按钮1 or 按钮2 would have put a message into the output box.
    EXPECT_EQ(driver_.text(编辑框2), "");
    EXPECT_EQ(SendMessageA(driver_.control(选择框1), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Window, SpaceClicksAButtonAndTogglesTheCheckBox) {
    SetFocus(driver_.control(选择框1));
    driver_.press({VK_SPACE});
    EXPECT_EQ(SendMessageA(driver_.control(选择框1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    driver_.press({VK_SPACE});
    EXPECT_EQ(SendMessageA(driver_.control(选择框1), BM_GETCHECK, 0, 0), BST_CHECKED);

    SetFocus(driver_.control(按钮1));
    driver_.press({VK_SPACE});
    EXPECT_EQ(driver_.text(编辑框2), "请先输入要转换的内容!");
}

TEST_F(Window, EscapeClosesTheWindowFromAnEditBoxButShiftEscapeDoesNot) {
    driver_.type("typing");
    driver_.press({VK_SHIFT, VK_ESCAPE});
    ASSERT_TRUE(driver_.window().exists());
    EXPECT_EQ(driver_.text(编辑框1), "typing");
    driver_.press({VK_ESCAPE});
    EXPECT_FALSE(driver_.window().exists());
}

TEST_F(Window, EscapeClosesTheWindowFromAButton) {
    SetFocus(driver_.control(按钮3));
    driver_.press({VK_ESCAPE});
    EXPECT_FALSE(driver_.window().exists());
}

TEST_F(Window, F1AndAltLettersChangeNothing) {
    driver_.press({VK_F1});
    driver_.press({VK_MENU, 'U'});
    driver_.press({VK_MENU, '1'});
    EXPECT_TRUE(driver_.window().exists());
    EXPECT_EQ(driver_.focused(), 编辑框1);
    EXPECT_EQ(driver_.text(编辑框2), "");
}

TEST_F(Window, BoxesHoldMoreThan32767Characters) {
    // Lines of 80 characters: the box wraps one long line very slowly.
    std::string text;
    while (text.size() < 40000) text += std::string(78, 'a') + "\r\n";
    ASSERT_TRUE(copyTextToClipboard(text));
    for (ControlId id : {编辑框1, 编辑框2}) {
        SetFocus(driver_.control(id));
        driver_.press({VK_CONTROL, 'V'});
        EXPECT_EQ(driver_.text(id), text) << id;
    }
}

TEST_F(Window, MinimisingAndRestoringKeepsTheContents) {
    driver_.type("keep");
    SendMessageA(driver_.control(选择框1), BM_SETCHECK, BST_UNCHECKED, 0);
    SetWindowTextA(driver_.control(编辑框2), "result");
    ShowWindow(driver_.window().handle(), SW_MINIMIZE);
    driver_.pump();
    EXPECT_TRUE(IsIconic(driver_.window().handle()));
    ShowWindow(driver_.window().handle(), SW_RESTORE);
    driver_.pump();
    EXPECT_EQ(driver_.text(编辑框1), "keep");
    EXPECT_EQ(driver_.text(编辑框2), "result");
    EXPECT_EQ(SendMessageA(driver_.control(选择框1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Window, FocusComesBackToTheLastControlAfterSwitchingAway) {
    SetFocus(driver_.control(按钮3));
    const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                       200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    SetActiveWindow(other);
    driver_.pump();
    EXPECT_NE(GetActiveWindow(), driver_.window().handle());

    SetForegroundWindow(driver_.window().handle());
    SetActiveWindow(driver_.window().handle());
    driver_.pump();
    EXPECT_EQ(driver_.focused(), 按钮3);
    DestroyWindow(other);
}

}  // namespace
