// A test build of the shell: the program's real start-up, loop and end, with
// window factories that let the process tests force, on cue, what the
// shipped program does only when something goes wrong. Nothing of this is
// in the shipped executable.
//   shell_probe fail-window      the window cannot be loaded
//   shell_probe oom-while-open   memory runs out while the window is open
//   shell_probe show-directory   the current directory goes into 编辑框2
//   shell_probe messages-fail    taking a message fails every time
#include "app/Shell.h"

#include <cstring>
#include <limits>

namespace {

std::unique_ptr<MainWindow> noWindow() { return nullptr; }

// A request for more memory than any machine has, made from inside the
// message loop, as a handler would.
void CALLBACK allocateTooMuch(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    volatile std::size_t tooMuch = std::numeric_limits<std::size_t>::max() / 2;
    char* volatile block = new char[tooMuch];
    delete[] block;
}

std::unique_ptr<MainWindow> windowThatRunsOutOfMemory() {
    auto window = MainWindow::create();
    SetTimer(nullptr, 0, 1500, allocateTooMuch);
    return window;
}

std::unique_ptr<MainWindow> windowShowingTheDirectory() {
    auto window = MainWindow::create();
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    if (window) SetWindowTextA(window->control(编辑框2), directory);
    return window;
}

BOOL WINAPI failToTakeMessages(LPMSG, HWND, UINT, UINT) { return -1; }

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "fail-window") == 0) return runShell(noWindow);
    if (std::strcmp(mode, "oom-while-open") == 0) return runShell(windowThatRunsOutOfMemory);
    if (std::strcmp(mode, "show-directory") == 0) return runShell(windowShowingTheDirectory);
    if (std::strcmp(mode, "messages-fail") == 0)
        return runShell(MainWindow::create, failToTakeMessages);
    return 2;
}
