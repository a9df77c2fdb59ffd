// The few facts the shell keeps for the whole process. They are plain flags
// rather than objects with destructors because ExitProcess, on the fatal path,
// runs no destructors: whoever ends the process reads them directly.
#pragma once

namespace process {

// OleInitialize succeeded on the UI thread; both ways out undo it only then.
extern bool oleInitialised;
// Set just before the message loop starts; only then does the last window's
// destruction post the quit message.
extern bool loopStarted;
// Raised by the fatal report; while above 0 no event reaches a handler.
extern int fatalReportsBegun;

}  // namespace process
