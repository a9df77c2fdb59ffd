#include "ui/Handlers.h"

#include "script/RoutineSource.h"
#include "ui/ControlText.h"
#include "ui/MainWindow.h"

namespace {

// Runs a routine on the text of the input box and shows what it gives in
// the output box; no text empties the box. Of a large text only the copies
// needed at each moment are held: the 8-bit input goes before the routine
// runs, the engine's result before the output box is written.
void convertInputWith(const char* routine) {
    MainWindow& window = *MainWindow::current();
    Bstr argument = toScriptText(textOrEmpty(readText(window.control(编辑框1))));
    const std::optional<WindowText> result =
        window.scriptHost().runRoutine(routine, std::move(argument));
    writeText(window.control(编辑框2), result);
}

}  // namespace

void handleCreated() {
    (void)MainWindow::current()->scriptHost().addCode(RoutineSource);  // a failure shows when a routine runs
}

void handleConvert() {
    const bool onlyAboveAscii = isTicked(MainWindow::current()->control(选择框1));
    convertInputWith(onlyAboveAscii ? "nativeConvertAscii" : "nativeConvertAscii1");
}

void handleRestore() { convertInputWith("asciiConvertNative"); }

void handleCopy() {
    const std::optional<WindowText> output = readText(MainWindow::current()->control(编辑框2));
    (void)copyTextToClipboard(textOrEmpty(output));  // failures are silent
}

void handleClear() { writeText(MainWindow::current()->control(编辑框2), std::nullopt); }
