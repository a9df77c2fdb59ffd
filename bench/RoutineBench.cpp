// Runs each conversion routine through ScriptHost::runRoutine on realistic
// texts of about 100 KB and 1 MB, and the C++ model on the same texts in the
// same run, and prints time, throughput and the ratio host / model.
#include "bench/Clock.h"
#include "bench/SampleTexts.h"
#include "script/RoutineSource.h"
#include "script/ScriptHost.h"
#include "tests/EscapeModel.h"

#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The fastest of `runs` timings, in seconds.
double fastest(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const double start = milliseconds();
        work();
        best = std::min(best, (milliseconds() - start) / 1e3);
    }
    return best;
}

struct Input {
    const char* name;
    std::u16string text;
};

struct Routine {
    const char* name;
    std::u16string (*model)(const std::u16string&);
};

// Prints one row and returns the host's time. `proseTime`, given on the
// code row, adds the ratio code / prose of the same routine.
double measure(ScriptHost& host, const Routine& routine, const Input& input, double proseTime = 0) {
    const std::string bytes = samples::windowBytes(input.text);
    std::optional<WindowText> result;
    const double hostTime =
        fastest(bytes.size() > 500000 ? 2 : 4, [&] { result = host.runRoutine(routine.name, bytes); });
    std::u16string expected;
    const double modelTime = fastest(20, [&] { expected = routine.model(input.text); });
    const bool agrees = result && *result == samples::windowBytes(expected);
    const double megabytes = static_cast<double>(bytes.size()) / 1e6;
    char codeToProse[16] = "";
    if (proseTime > 0) std::snprintf(codeToProse, sizeof codeToProse, "%.2f", hostTime / proseTime);
    std::printf("| %-19s | %-20s | %5.2f MB | %8.1f ms | %6.2f MB/s | %7.2f ms | %5.0f | %10s | %-4s |\n",
                routine.name, input.name, megabytes, hostTime * 1e3, megabytes / hostTime,
                modelTime * 1e3, hostTime / modelTime, codeToProse, agrees ? "yes" : "NO");
    return hostTime;
}

}  // namespace

int main() {
    if (FAILED(OleInitialize(nullptr))) return 2;
    {
        ScriptHost host;
        if (!host.hasEngine() || !host.addCode(RoutineSource)) {
            std::puts("The Microsoft Script Control is not available.");
            return 1;
        }
        const Routine escapeNonAscii{"nativeConvertAscii", model::escapeNonAscii};
        const Routine escapeAll{"nativeConvertAscii1", model::escapeAll};
        const Routine restore{"asciiConvertNative", model::restore};

        std::puts("| routine             | input                |    size |  ScriptHost | throughput |"
                  "     model | ratio | code/prose | same |");
        std::puts("|---------------------|----------------------|--------:|------------:|-----------:|"
                  "----------:|------:|-----------:|------|");
        for (std::size_t size : {100000u, 1000000u}) {
            const Input prose{size < 1000000 ? "prose 100 KB" : "prose 1 MB",
                              samples::chineseProse(size)};
            const Input code{size < 1000000 ? "code 100 KB" : "code 1 MB", samples::sourceCode(size)};
            // The escaped forms for restoring, about the same size in bytes.
            const Input escapedProse{
                size < 1000000 ? "escaped prose 100 KB" : "escaped prose 1 MB",
                model::escapeNonAscii(samples::chineseProse(size / 3))};
            const Input escapedCode{
                size < 1000000 ? "escaped code 100 KB" : "escaped code 1 MB",
                model::escapeNonAscii(samples::sourceCode(size * 9 / 10))};
            measure(host, escapeNonAscii, code, measure(host, escapeNonAscii, prose));
            measure(host, escapeAll, code, measure(host, escapeAll, prose));
            measure(host, restore, escapedCode, measure(host, restore, escapedProse));
        }
    }
    OleUninitialize();
    return 0;
}
