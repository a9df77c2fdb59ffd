#include "app/Shell.h"

#include "common/FatalError.h"
#include "common/ProcessState.h"

#include <windows.h>
#include <ole2.h>

namespace {

void enterExecutableFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    char* lastBackslash = strrchr(path, '\\');
    if (!lastBackslash) return;
    *lastBackslash = '\0';
    SetCurrentDirectoryA(path);
}

// Taking a message fails (-1) when the system cannot deliver it, as for a
// WM_SETTEXT of over a million characters sent from another process. That
// costs the one message, and the window goes on as it was. Only failures
// without end, with no message taken between them, would make the loop
// spin: they end the program through the fatal report.
constexpr int kFailuresInARowToGiveUp = 1000;

int runMessageLoop(MainWindow* window, MessageSource takeMessage) {
    MSG message;
    int failuresInARow = 0;
    for (;;) {
        const BOOL got = takeMessage(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);  // WM_QUIT
        if (got == -1) {
            if (++failuresInARow == kFailuresInARowToGiveUp) reportFatalError(kMessagesFailMessage);
            continue;
        }
        failuresInARow = 0;
        processMessage(window, message);
    }
}

}  // namespace

void processMessage(MainWindow* window, MSG& message) {
    if (window && window->preTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runShell(WindowFactory makeWindow, MessageSource takeMessage) {
    // Without OLE the script engine cannot be created, which the host
    // handles silently; the window still works.
    process::oleInitialised = SUCCEEDED(OleInitialize(nullptr));
    enterExecutableFolder();

    std::unique_ptr<MainWindow> window = makeWindow();
    if (!window) reportFatalError("载入启动窗口失败");
    window->open();

    process::loopStarted = true;
    const int exitCode = window->exists() ? runMessageLoop(window.get(), takeMessage) : 0;

    window.reset();
    if (process::oleInitialised) OleUninitialize();
    process::oleInitialised = false;
    return exitCode;
}
