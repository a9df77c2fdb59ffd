// The handlers on a real MainWindow with the real engine: what a click on
// each button does to the boxes and the clipboard.
#include "tests/TestSupport.h"
#include "tests/WindowDriver.h"
#include "ui/ControlText.h"

#include <cstring>
#include <thread>

namespace {

const std::string kEmptyInputMessage = "请先输入要转换的内容!";

class Handlers : public testing::Test {
protected:
    void click(ControlId button) { SendMessageA(driver_.control(button), BM_CLICK, 0, 0); }
    void setText(ControlId box, const std::string& text) {
        SetWindowTextA(driver_.control(box), text.c_str());
    }
    void setTicked(bool ticked) {
        SendMessageA(driver_.control(选择框1), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    // The CF_TEXT bytes on the clipboard, terminating NUL included, or
    // "<none>" when it holds no text.
    static std::string clipboardText() {
        if (!OpenClipboard(nullptr)) return "<not opened>";
        std::string text = "<none>";
        if (const HANDLE data = GetClipboardData(CF_TEXT)) {
            const char* bytes = static_cast<const char*>(GlobalLock(data));
            text.assign(bytes, std::strlen(bytes) + 1);
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    WindowDriver driver_;
};

TEST_F(Handlers, ConversionsPutTheirResultIntoTheOutputBox) {
    struct Case {
        const char* input;
        bool ticked;
        ControlId button;
        std::string output;
    };
    const Case cases[] = {
        {"", true, 按钮1, kEmptyInputMessage},
        {"", false, 按钮1, kEmptyInputMessage},
        {"", true, 按钮2, kEmptyInputMessage},
        {"中a\r\nb", true, 按钮1, "\\u4e2da\r\nb"},
        {"中a\r\nb", false, 按钮1, "\\u4e2d\\u0061\\u000d\\u000a\\u0062"},
        {"\\u4e2d\r\n\\u6587 ", true, 按钮2, "中\r\n文 "},
        {"  plain text  ", true, 按钮1, "  plain text  "},
        {"plain", true, 按钮2, "文本框中没有合法的unicode代码!"},
        {"abc\\u0000def", true, 按钮2, "abc"},
        {"\\u0000", true, 按钮2, ""},  // no text: the box is emptied
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        setText(编辑框1, c.input);
        setText(编辑框2, "earlier result");
        setTicked(c.ticked);
        click(c.button);
        EXPECT_EQ(driver_.text(编辑框2), c.output);
        EXPECT_EQ(driver_.text(编辑框1), c.input);  // never changed by a handler
    }
}

TEST_F(Handlers, TheCheckBoxCountsOnlyAtTheNextClick) {
    setText(编辑框1, "中");
    click(按钮1);
    EXPECT_EQ(driver_.text(编辑框2), "\\u4e2d");
    setText(编辑框1, "a");
    SetFocus(driver_.control(选择框1));
    driver_.press({VK_SPACE});  // cleared: nothing happens yet
    EXPECT_EQ(driver_.text(编辑框2), "\\u4e2d");
    click(按钮1);
    EXPECT_EQ(driver_.text(编辑框2), "\\u0061");
}

TEST_F(Handlers, ClearEmptiesOnlyTheOutputBox) {
    setText(编辑框1, "input");
    setText(编辑框2, "output");
    click(按钮4);
    EXPECT_EQ(driver_.text(编辑框2), "");
    click(按钮4);
    EXPECT_EQ(driver_.text(编辑框2), "");
    EXPECT_EQ(driver_.text(编辑框1), "input");
    EXPECT_EQ(SendMessageA(driver_.control(选择框1), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Handlers, CopyPutsTheOutputBytesOnTheClipboard) {
    const std::string texts[] = {"\\u4e2d\r\nline two", kEmptyInputMessage, "中文 and ASCII"};
    for (const std::string& text : texts) {
        setText(编辑框2, text);
        click(按钮3);
        EXPECT_EQ(clipboardText(), text + '\0');
    }
    // An empty box leaves the clipboard holding the empty text.
    setText(编辑框2, "");
    click(按钮3);
    EXPECT_EQ(clipboardText(), std::string(1, '\0'));
}

TEST_F(Handlers, CopyLeavesAClipboardThatAnotherWindowHoldsOpen) {
    ASSERT_TRUE(copyTextToClipboard("kept"));
    // Another thread's window keeps the clipboard open while the button is clicked.
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        const HWND other = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 10, 10, nullptr, nullptr,
                                           nullptr, nullptr);
        const bool open = OpenClipboard(other) != FALSE;
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        if (open) CloseClipboard();
        DestroyWindow(other);
    });
    WaitForSingleObject(opened, 10000);
    setText(编辑框2, "new text");
    click(按钮3);
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(clipboardText(), std::string("kept") + '\0');
}

}  // namespace
