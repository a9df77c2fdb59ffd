// The life of the process: start-up, the message loop and the normal end.
#pragma once

#include "ui/MainWindow.h"

#include <memory>

using WindowFactory = std::unique_ptr<MainWindow> (*)();
using MessageSource = BOOL(WINAPI*)(LPMSG message, HWND window, UINT first, UINT last);

// Initialises OLE, makes the executable's folder the current directory,
// loads the window from `makeWindow` (a failure is reported as fatal), runs
// the message loop on messages from `takeMessage` until the window is gone
// and returns the exit code.
int runShell(WindowFactory makeWindow, MessageSource takeMessage = GetMessageA);

// The text of the fatal report when taking messages fails without end.
inline constexpr const char* kMessagesFailMessage = "读取窗口消息失败";

// One turn of the loop for a message already taken from the queue: the
// window's keyboard rules first, then translation and dispatch.
void processMessage(MainWindow* window, MSG& message);
