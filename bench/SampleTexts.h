// Realistic inputs for the benchmarks, made the same way on every run.
#pragma once

#include <string>

namespace samples {

// Chinese prose with ASCII words and numbers, in lines ended by CR LF.
std::u16string chineseProse(std::size_t codePage936Bytes);
// Source code: ASCII with a few percent Chinese in comments and strings.
std::u16string sourceCode(std::size_t codePage936Bytes);

// A text as the window holds it: in the ANSI code page, up to its first U+0000.
std::string windowBytes(const std::u16string& text);

}  // namespace samples
