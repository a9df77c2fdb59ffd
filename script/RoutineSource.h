// The JScript source of the three conversion routines, as NUL-terminated
// code page 936 text with CR LF line ends:
//   asciiConvertNative(content)  turns \uXXXX escapes back into code units;
//   nativeConvertAscii(content)  escapes the code units above 127;
//   nativeConvertAscii1(content) escapes every code unit.
#pragma once

extern const char RoutineSource[];
