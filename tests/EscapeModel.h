// An independent model of the three conversion routines, written straight
// from their rules, on UTF-16 code units. The tests compare the script
// routines against it; the benchmark measures it beside them.
#pragma once

#include <string>

namespace model {

extern const std::u16string kEmptyInputMessage;  // 请先输入要转换的内容!
extern const std::u16string kNoEscapeMessage;    // 文本框中没有合法的unicode代码!

std::u16string escapeAll(const std::u16string& content);        // nativeConvertAscii1
std::u16string escapeNonAscii(const std::u16string& content);   // nativeConvertAscii
std::u16string restore(const std::u16string& content);          // asciiConvertNative

}  // namespace model
