// The program's reactions to its window's events. Each takes nothing,
// returns nothing and keeps no state: what it works on lives in the controls
// of MainWindow::current() and in its script host.
#pragma once

void handleCreated();   // the window has been created: add the routines
void handleConvert();   // 按钮1: escape the input into the output box
void handleRestore();   // 按钮2: restore the escapes of the input
void handleCopy();      // 按钮3: put the output on the clipboard
void handleClear();     // 按钮4: empty the output box
