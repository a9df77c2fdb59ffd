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

int runMessageLoop(MainWindow* window) {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);  // WM_QUIT
        if (got == -1) return 0;  // an invalid window handle; nothing is left to run
        processMessage(window, message);
    }
}

}  // namespace

void processMessage(MainWindow* window, MSG& message) {
    if (window && window->preTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runShell(WindowFactory makeWindow) {
    // Without OLE the script engine cannot be created, which the host
    // handles silently; the window still works.
    process::oleInitialised = SUCCEEDED(OleInitialize(nullptr));
    enterExecutableFolder();

    std::unique_ptr<MainWindow> window = makeWindow();
    if (!window) reportFatalError("载入启动窗口失败");
    window->open();

    process::loopStarted = true;
    const int exitCode = window->exists() ? runMessageLoop(window.get()) : 0;

    window.reset();
    if (process::oleInitialised) OleUninitialize();
    process::oleInitialised = false;
    return exitCode;
}
