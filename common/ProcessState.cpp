#include "common/ProcessState.h"

namespace process {

bool oleInitialised = false;
bool loopStarted = false;
int fatalReportsBegun = 0;

}  // namespace process
