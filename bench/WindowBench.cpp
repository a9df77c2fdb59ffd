// From the click to the result in the output box, on a real MainWindow:
// the time split into reading the input box, running the routine and
// writing the output box, for inputs of 10 KB, 100 KB and 1 MB.
#include "bench/Clock.h"
#include "bench/SampleTexts.h"
#include "script/TextConvert.h"
#include "tests/EscapeModel.h"
#include "ui/ControlText.h"
#include "ui/MainWindow.h"

#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <string>

namespace {

// One click's work, stage by stage, exactly as the handler does it.
void measure(MainWindow& window, const char* routine, const char* inputName, const std::string& input) {
    SetWindowTextA(window.control(编辑框1), input.c_str());
    SetWindowTextA(window.control(编辑框2), "");
    const double start = milliseconds();
    Bstr argument = toScriptText(textOrEmpty(readText(window.control(编辑框1))));
    const double read = milliseconds();
    const std::optional<WindowText> result = window.scriptHost().runRoutine(routine, std::move(argument));
    const double run = milliseconds();
    writeText(window.control(编辑框2), result);
    const double written = milliseconds();
    std::printf("| %-19s | %-14s | %7.2f | %7.1f | %8.1f | %9.1f | %9.1f |\n", routine,
                inputName, static_cast<double>(input.size()) / 1e6, read - start, run - read,
                written - run, written - start);
}

// Ways of setting one long line that stay within how the box is written:
// the whole text at once with SetWindowTextA.
void compareLongLineWrites(MainWindow& window, const std::string& line) {
    const HWND box = window.control(编辑框2);
    auto timed = [&](const char* how, auto&& write) {
        SetWindowTextA(box, "");
        const double start = milliseconds();
        write();
        std::printf("| %-40s | %7.1f |\n", how, milliseconds() - start);
    };
    std::printf("\nWriting one line of %zu characters into the output box:\n\n", line.size());
    std::puts("| how                                      | time ms |");
    std::puts("|------------------------------------------|--------:|");
    timed("SetWindowTextA, box shown", [&] { SetWindowTextA(box, line.c_str()); });
    timed("SetWindowTextA, redrawing off meanwhile", [&] {
        SendMessageA(box, WM_SETREDRAW, FALSE, 0);
        SetWindowTextA(box, line.c_str());
        SendMessageA(box, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(box, nullptr, TRUE);
    });
    timed("SetWindowTextA, box hidden meanwhile", [&] {
        ShowWindow(box, SW_HIDE);
        SetWindowTextA(box, line.c_str());
        ShowWindow(box, SW_SHOWNA);
    });
}

}  // namespace

int main() {
    if (FAILED(OleInitialize(nullptr))) return 2;
    {
        auto window = MainWindow::create();
        if (!window) return 1;
        window->open();
        if (window->scriptHost().routineNames().empty()) {
            std::puts("The Microsoft Script Control is not available.");
            return 1;
        }
        std::puts("| routine             | input          | size MB | read ms |   run ms |  write ms |  total ms |");
        std::puts("|---------------------|----------------|--------:|--------:|---------:|----------:|----------:|");
        for (std::size_t size : {10000u, 100000u, 1000000u}) {
            const std::string label = size == 10000 ? "10 KB" : size == 100000 ? "100 KB" : "1 MB";
            const std::string prose = samples::windowBytes(samples::chineseProse(size));
            const std::string escaped = samples::windowBytes(model::escapeNonAscii(samples::chineseProse(size / 3)));
            measure(*window, "nativeConvertAscii", ("prose " + label).c_str(), prose);
            measure(*window, "asciiConvertNative", ("escaped " + label).c_str(), escaped);
            // Escaping everything gives one line of six characters per code
            // unit, which the box wraps in time that grows with the square
            // of its length: only the smallest size is run.
            if (size == 10000) measure(*window, "nativeConvertAscii1", ("prose " + label).c_str(), prose);
        }
        const std::string line = samples::windowBytes(model::escapeAll(samples::chineseProse(20000)));
        compareLongLineWrites(*window, line.substr(0, 20000));
        compareLongLineWrites(*window, line.substr(0, 40000));
    }
    OleUninitialize();
    return 0;
}
