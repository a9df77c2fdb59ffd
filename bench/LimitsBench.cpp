// Endurance and limits of the program on its real window.
//
//   limits_bench endurance [N]    10,000 (or N) clicks of the four buttons and the
//                                 check box in a mixed order on 1 KB of
//                                 text, every result checked against the
//                                 model; memory and handle counts every 1,000
//   limits_bench limits [MB ...]  the largest text that converts and
//                                 restores exactly: each size in a process
//                                 of its own, with its peak memory and the
//                                 time of each stage (default 1 5 10 20 50)
//   limits_bench step MB          one size of the limits run (what the
//                                 limits run starts for each size)
#include "bench/Clock.h"
#include "bench/SampleTexts.h"
#include "script/TextConvert.h"
#include "tests/EscapeModel.h"
#include "ui/ControlText.h"
#include "ui/MainWindow.h"

#include <windows.h>
#include <ole2.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

PROCESS_MEMORY_COUNTERS_EX memoryCounters() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return counters;
}

double megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// The window as the program opens it, with the routines added.
std::unique_ptr<MainWindow> openWindow() {
    auto window = MainWindow::create();
    if (!window) return nullptr;
    window->open();
    if (window->scriptHost().routineNames().empty()) {
        std::puts("The Microsoft Script Control is not available.");
        return nullptr;
    }
    return window;
}

void click(MainWindow& window, ControlId button) {
    SendMessageA(window.control(button), BM_CLICK, 0, 0);
}

std::string clipboardText() {
    std::string text = "<not text>";
    if (!OpenClipboard(nullptr)) return "<not opened>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// ---- endurance -------------------------------------------------------------

// Open kernel handles, counted one by one where the process's own count is
// not reported (Wine gives 0): every value a handle can have, up to a bound
// far above what this program opens.
DWORD handleCount() {
    DWORD reported = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &reported) && reported > 0) return reported;
    DWORD open = 0, flags = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4)
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++open;
    return open;
}

// Counts the windows it is called for into the DWORD at `count`, and for a
// top-level window its children too.
BOOL CALLBACK countChildWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<DWORD*>(count);
    return TRUE;
}

BOOL CALLBACK countWindowAndChildren(HWND window, LPARAM count) {
    ++*reinterpret_cast<DWORD*>(count);
    EnumChildWindows(window, countChildWindow, count);
    return TRUE;
}

// Top-level and child windows of this thread: the USER objects that matter
// here, where the platform reports none.
DWORD windowCount() {
    DWORD windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), countWindowAndChildren, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// What the platform reports; Wine gives 0 for private bytes and GDI and USER
// objects.
struct Counts {
    double privateMB, workingSetMB;
    DWORD handles, gdiObjects, userObjects, windows;
};

Counts counts() {
    const auto memory = memoryCounters();
    return {megabytes(memory.PrivateUsage), megabytes(memory.WorkingSetSize), handleCount(),
            GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), windowCount()};
}

void printCounts(int clicks, const Counts& c, int mismatches) {
    std::printf("| %6d | %10.1f | %14.1f | %7lu | %11lu | %12lu | %7lu | %10d |\n", clicks,
                c.privateMB, c.workingSetMB, static_cast<unsigned long>(c.handles),
                static_cast<unsigned long>(c.gdiObjects), static_cast<unsigned long>(c.userObjects),
                static_cast<unsigned long>(c.windows), mismatches);
}

// What the output box must hold after `button` was clicked on `input`.
std::string expectedOutput(ControlId button, const std::u16string& input, bool ticked,
                           const std::string& before) {
    switch (button) {
    case 按钮1: return samples::windowBytes(ticked ? model::escapeNonAscii(input) : model::escapeAll(input));
    case 按钮2: return samples::windowBytes(model::restore(input));
    case 按钮4: return "";
    default: return before;  // the copy and the check box leave the output as it was
    }
}

int endurance(int clicks) {
    auto window = openWindow();
    if (!window) return 1;
    const std::u16string plain = samples::chineseProse(1000);
    const std::u16string escaped = model::escapeNonAscii(plain);
    const ControlId choices[] = {按钮1, 按钮1, 按钮2, 按钮2, 按钮3, 按钮4, 选择框1};
    std::mt19937 random(9);

    std::puts("| clicks | private MB | working set MB | handles | GDI objects | USER objects | windows | mismatches |");
    std::puts("|-------:|-----------:|---------------:|--------:|------------:|-------------:|--------:|-----------:|");
    int mismatches = 0;
    std::optional<Counts> first;  // at the first row printed
    const std::u16string* input = &plain;
    for (int done = 1; done <= clicks; ++done) {
        if (done % 250 == 1) {  // the input changes now and then: text, then its escapes
            input = input == &plain ? &escaped : &plain;
            SetWindowTextA(window->control(编辑框1), samples::windowBytes(*input).c_str());
        }
        const ControlId button = choices[random() % std::size(choices)];
        const bool ticked = isTicked(window->control(选择框1));
        const std::string before = readText(window->control(编辑框2)).value_or("");
        click(*window, button);
        const std::string output = readText(window->control(编辑框2)).value_or("");
        bool same = output == expectedOutput(button, *input, ticked, before);
        if (button == 按钮3) same = same && clipboardText() == output;
        if (button == 选择框1) same = same && isTicked(window->control(选择框1)) != ticked;
        if (!same) ++mismatches;
        if (done % 1000 == 0 || done == clicks) {
            const Counts now = counts();
            if (!first) first = now;
            printCounts(done, now, mismatches);
            if (done == clicks)
                std::printf("\nFrom the first row to the last: private memory %+.1f MB, "
                            "working set %+.1f MB, handles %+ld, GDI objects %+ld, USER objects %+ld, "
                            "windows %+ld; %d mismatches\n",
                            now.privateMB - first->privateMB, now.workingSetMB - first->workingSetMB,
                            static_cast<long>(now.handles) - static_cast<long>(first->handles),
                            static_cast<long>(now.gdiObjects) - static_cast<long>(first->gdiObjects),
                            static_cast<long>(now.userObjects) - static_cast<long>(first->userObjects),
                            static_cast<long>(now.windows) - static_cast<long>(first->windows),
                            mismatches);
        }
    }
    return mismatches == 0 ? 0 : 1;
}

// ---- limits ----------------------------------------------------------------

// One size, in this process: paste, convert (read, run, write), then the
// result pasted back and restored; the round trip must give the text back.
int limitsStep(double sizeMB) {
    auto window = openWindow();
    if (!window) return 1;
    const std::string text = samples::windowBytes(samples::chineseProse(static_cast<std::size_t>(sizeMB * 1e6)));
    const HWND input = window->control(编辑框1);
    const HWND output = window->control(编辑框2);
    ScriptHost& host = window->scriptHost();

    double paste = 0, read = 0, run = 0, write = 0;
    // Working set after each stage of the escape, where the copies show.
    std::vector<double> stageMB;
    auto noteStage = [&](const char* routine) {
        if (std::strcmp(routine, "nativeConvertAscii") == 0)
            stageMB.push_back(megabytes(memoryCounters().WorkingSetSize));
    };
    // The handler's stages, one by one: read the input box, run, write.
    auto convert = [&](const char* routine, const std::string& source) {
        double start = milliseconds();
        SetWindowTextA(input, source.c_str());
        paste += milliseconds() - start;
        noteStage(routine);
        start = milliseconds();
        Bstr argument = toScriptText(textOrEmpty(readText(input)));
        const double afterRead = milliseconds();
        read += afterRead - start;
        noteStage(routine);
        const std::optional<WindowText> result = host.runRoutine(routine, std::move(argument));
        run += milliseconds() - afterRead;
        noteStage(routine);
        start = milliseconds();
        writeText(output, result);
        write += milliseconds() - start;
        noteStage(routine);
        return readText(output).value_or("");
    };
    const std::string escaped = convert("nativeConvertAscii", text);
    const std::string restored = convert("asciiConvertNative", escaped);

    const auto memory = memoryCounters();
    const bool exact = restored == text && !escaped.empty();
    std::printf("| %7.0f | %-22s | %9.0f | %9.0f | %8.1f | %7.1f | %7.1f | %8.1f |\n", sizeMB,
                exact ? "yes" : escaped.empty() ? "no: empty output" : "no: text differs",
                megabytes(memory.PeakWorkingSetSize), megabytes(memory.PeakWorkingSetSize) / sizeMB,
                paste / 1e3, read / 1e3, run / 1e3, write / 1e3);
    std::printf("|         | working set MB after paste %.0f, read %.0f, run %.0f, write %.0f | | | | | | |\n",
                stageMB[0], stageMB[1], stageMB[2], stageMB[3]);
    return exact ? 0 : 1;
}

// The text of the fatal report box of process `processId`, once it shows.
struct ReportSearch {
    DWORD processId;
    HWND box;
};

BOOL CALLBACK findReport(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ReportSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::strcmp(className, "#32770") == 0) {
        search->box = window;
        return FALSE;
    }
    return TRUE;
}

std::string reportText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char line[512] = {};
        SendMessageA(child, WM_GETTEXT, sizeof line, reinterpret_cast<LPARAM>(line));
        if (std::strstr(line, "\r\n")) text = line;
    }
    for (char& c : text) if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// Runs one size in a new process; a fatal report it shows is read, closed
// and printed. True when the size round-tripped.
bool runStepProcess(double sizeMB) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = "\"" + std::string(self) + "\" step " + std::to_string(sizeMB);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    DWORD exitCode = 0;
    for (;;) {
        if (WaitForSingleObject(process.hProcess, 500) == WAIT_OBJECT_0) break;
        ReportSearch search{process.dwProcessId, nullptr};
        EnumWindows(findReport, reinterpret_cast<LPARAM>(&search));
        if (search.box) {
            std::printf("| %7.0f | fatal report: %s |\n", sizeMB, reportText(search.box).c_str());
            PostMessageA(search.box, WM_COMMAND, IDOK, 0);
        }
    }
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::fflush(stdout);
    return exitCode == 0;
}

int limits(const std::vector<double>& sizes) {
    std::puts("| size MB | round trip exact       | peak MB | peak MB per MB | paste s | read s | run s | write s |");
    std::puts("|--------:|------------------------|--------:|---------------:|--------:|-------:|------:|--------:|");
    std::fflush(stdout);
    for (double size : sizes)
        if (!runStepProcess(size)) break;  // the first size that fails ends the run
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (FAILED(OleInitialize(nullptr))) return 2;
    int status = 2;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "endurance") {
        status = endurance(argc > 2 ? std::atoi(argv[2]) : 10000);
    } else if (mode == "step" && argc > 2) {
        status = limitsStep(std::atof(argv[2]));
    } else if (mode == "limits") {
        std::vector<double> sizes;
        for (int i = 2; i < argc; ++i) sizes.push_back(std::atof(argv[i]));
        if (sizes.empty()) sizes = {1, 5, 10, 20, 50};
        status = limits(sizes);
    } else {
        std::puts("usage: limits_bench endurance | limits [MB ...] | step MB");
    }
    OleUninitialize();
    return status;
}
