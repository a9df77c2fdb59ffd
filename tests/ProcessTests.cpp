// The built executables as processes: how they start, end and report, seen
// from outside as a user or the system sees them.
#include "tests/TestSupport.h"
#include "ui/ControlIds.h"

#include <windows.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

std::string folderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

std::string testsFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return folderOf(path);
}

const std::string kVelloran = folderOf(testsFolder()) + "\\velloran.exe";
const std::string kShellProbe = testsFolder() + "\\shell_probe.exe";

// One started program, ended when the test is over whatever happened.
class Program {
public:
    Program(const std::string& executable, const std::string& arguments,
            const char* directory = nullptr) {
        std::string commandLine = "\"" + executable + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, directory, &startup, &process_) != FALSE;
    }
    ~Program() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    bool started() const { return started_; }
    bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    // The first visible top-level window of the process of `className`.
    HWND waitForWindow(const char* className) {
        for (int attempt = 0; attempt < 400; ++attempt) {
            Search search{process_.dwProcessId, className, nullptr};
            EnumWindows(findWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found) return search.found;
            if (WaitForSingleObject(process_.hProcess, 50) != WAIT_TIMEOUT) return nullptr;
        }
        return nullptr;
    }

    // The exit code, or STILL_ACTIVE when it has not ended within 20 s.
    DWORD waitForExit() {
        WaitForSingleObject(process_.hProcess, 20000);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    struct Search {
        DWORD processId;
        const char* className;
        HWND found;
    };

    static BOOL CALLBACK findWindow(HWND window, LPARAM parameter) {
        auto* search = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char className[64] = {};
        GetClassNameA(window, className, sizeof className);
        if (owner == search->processId && IsWindowVisible(window) &&
            lstrcmpiA(className, search->className) == 0) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

constexpr const char* kMainClass = "VelloranMainWindow";

// Text of a window of another process: GetWindowTextA would read only the
// caption the system keeps, which an edit box does not use.
std::string windowText(HWND window) {
    char text[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void setWindowText(HWND window, const char* text) {
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// A click handled before this returns.
void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

TEST(Process, EndsWithExitCodeZeroWhenClosed) {
    struct Way {
        const char* name;
        void (*close)(HWND window);
    };
    const Way ways[] = {
        {"Esc in the input box",
         [](HWND window) {
             PostMessageA(GetDlgItem(window, 编辑框1), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         }},
        {"Alt+F4",
         [](HWND window) {
             PostMessageA(window, WM_SYSKEYDOWN, VK_F4, 0x203E0001);  // bit 29: Alt held
         }},
        {"Close in the system menu",
         [](HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"WM_CLOSE", [](HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }},
    };
    for (const Way& way : ways) {
        Program velloran(kVelloran, "");
        ASSERT_TRUE(velloran.started()) << kVelloran;
        const HWND window = velloran.waitForWindow(kMainClass);
        ASSERT_NE(window, nullptr) << way.name;
        way.close(window);
        EXPECT_EQ(velloran.waitForExit(), 0u) << way.name;
    }
}

TEST(Process, LogOffIsNeverRefused) {
    Program velloran(kVelloran, "");
    const HWND window = velloran.waitForWindow(kMainClass);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), TRUE);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(velloran.waitForExit(), 0u);
}

// Starts the program, converts `input` with 按钮1 and closes the window
// again; what the output box showed.
std::string convertInNewProcess(const char* input) {
    Program velloran(kVelloran, "");
    const HWND window = velloran.waitForWindow(kMainClass);
    if (!window) {
        ADD_FAILURE() << "the window did not appear";
        return "<no window>";
    }
    setWindowText(GetDlgItem(window, 编辑框1), input);
    setWindowText(GetDlgItem(window, 编辑框2), "earlier result");
    click(GetDlgItem(window, 按钮1));
    const std::string output = windowText(GetDlgItem(window, 编辑框2));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(velloran.waitForExit(), 0u);
    return output;
}

// A WM_SETTEXT of over a million characters from another process is more
// than the system delivers: the program's GetMessage fails for it. That one
// message is lost; the window, its text and the conversions stay.
TEST(Process, AMessageThatCannotBeDeliveredCostsOnlyThatMessage) {
    Program velloran(kVelloran, "");
    const HWND window = velloran.waitForWindow(kMainClass);
    ASSERT_NE(window, nullptr);
    const HWND input = GetDlgItem(window, 编辑框1);
    setWindowText(input, "中a");
    const std::string oversized(2'500'000, 'x');
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(oversized.c_str()),
                        SMTO_NORMAL, 2000, &ignored);
    Sleep(3000);  // the program used to vanish about two seconds later
    ASSERT_TRUE(velloran.running());
    EXPECT_EQ(windowText(input), "中a");
    click(GetDlgItem(window, 按钮1));
    EXPECT_EQ(windowText(GetDlgItem(window, 编辑框2)), "\\u4e2da");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(velloran.waitForExit(), 0u);
}

TEST(Process, ConvertsWithTheScriptControl) { EXPECT_EQ(convertInNewProcess("中a"), "\\u4e2da"); }

// Run with the Script Control disabled in Wine (see tests/CMakeLists.txt).
TEST(WithoutScriptControl, WindowOpensAndConversionsEmptyTheOutputBox) {
    EXPECT_EQ(convertInNewProcess("abc"), "");
}

TEST(Process, CurrentDirectoryBecomesTheExecutablesFolder) {
    char windowsFolder[MAX_PATH] = {};
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    Program probe(kShellProbe, "show-directory", windowsFolder);
    const HWND window = probe.waitForWindow(kMainClass);
    ASSERT_NE(window, nullptr);
    EXPECT_STRCASEEQ(windowText(GetDlgItem(window, 编辑框2)).c_str(), testsFolder().c_str());
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(probe.waitForExit(), 0u);
}

// The report box: its text, and the process gone with 0xFFFFFFFF after OK.
void expectFatalReport(Program& program, const std::string& message) {
    const HWND box = program.waitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), "错误");
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 && !windowText(child).empty()) text = windowText(child);
    }
    EXPECT_EQ(text, "运行时出错!\r\n\r\n错误信息：" + message + "\r\n");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.waitForExit(), 0xFFFFFFFFu);
}

TEST(Process, AWindowThatCannotBeLoadedIsReportedAndEndsTheProcess) {
    Program probe(kShellProbe, "fail-window");
    expectFatalReport(probe, "载入启动窗口失败");
}

TEST(Process, MessagesThatFailWithoutEndAreReportedAndEndTheProcess) {
    Program probe(kShellProbe, "messages-fail");
    expectFatalReport(probe, "读取窗口消息失败");
}

TEST(Process, MemoryRunningOutIsReportedWithTheSizeAndStopsTheHandlers) {
    Program probe(kShellProbe, "oom-while-open");
    const HWND window = probe.waitForWindow(kMainClass);
    ASSERT_NE(window, nullptr);
    const HWND box = probe.waitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    // The window still answers while the report is up, but its events reach
    // no handler: a click on 按钮1 would otherwise fill the output box.
    click(GetDlgItem(window, 按钮1));
    EXPECT_EQ(windowText(GetDlgItem(window, 编辑框2)), "");
    const std::string bytes = std::to_string(std::numeric_limits<std::size_t>::max() / 2);
    expectFatalReport(probe, "分配 " + bytes + " 字节内存失败!");
}

// What the executable carries: the icon group, the version block, no manifest.
TEST(Executable, CarriesItsIconAndVersionAndNoManifest) {
    const HMODULE image = LoadLibraryExA(kVelloran.c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr) << kVelloran;
    EXPECT_EQ(FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr) << "a manifest";

    const HRSRC group = FindResourceA(image, "DEFAULT_ICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(image, group)));
    const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
    ASSERT_EQ(count, 3);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = directory + 6 + i * 14;  // width, height, colours, 0, planes, bits, ...
        sizes.push_back(entry[0]);
        EXPECT_EQ(entry[1], entry[0]);
        EXPECT_EQ(entry[2], 16);
        EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 4);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
    FreeLibrary(image);

    DWORD ignored = 0;
    std::vector<char> version(GetFileVersionInfoSizeA(kVelloran.c_str(), &ignored));
    ASSERT_FALSE(version.empty());
    ASSERT_TRUE(GetFileVersionInfoA(kVelloran.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(version.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0804);  // Chinese (PRC)
    EXPECT_EQ(translation[1], 936);
    for (const auto& [name, expected] : {std::pair{"ProductName", "Velloran"},
                                         std::pair{"FileVersion", "1.0.0.0"},
                                         std::pair{"ProductVersion", "1.0.0.0"}}) {
        char* value = nullptr;
        const std::string key = std::string("\\StringFileInfo\\080403a8\\") + name;
        ASSERT_TRUE(VerQueryValueA(version.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) << name;
        EXPECT_STREQ(value, expected);
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(version.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
}

}  // namespace
