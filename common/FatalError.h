// The one place for failures the program cannot go on from: one error box,
// then the process ends with exit code 0xFFFFFFFF.
#pragma once

#include <cstddef>
#include <string_view>

inline constexpr unsigned kFatalExitCode = 0xFFFFFFFF;

// Shows the fatal error report for `message` and ends the process.
[[noreturn]] void reportFatalError(std::string_view message);

// The report for memory that could not be obtained for `bytes` bytes.
[[noreturn]] void reportOutOfMemory(std::size_t bytes);

// The texts of the two reports, built without allocating (so that they can be
// shown when memory has run out). Each returns the length written, without
// the terminating NUL; the text is cut to fit `capacity`.
std::size_t composeFatalReport(std::string_view message, char* buffer, std::size_t capacity);
std::size_t composeOutOfMemoryMessage(std::size_t bytes, char* buffer, std::size_t capacity);
