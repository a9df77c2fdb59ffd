// Entry of the program. It takes no command line: everything starts from
// the one window.
#include "app/Shell.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return runShell(MainWindow::create); }
