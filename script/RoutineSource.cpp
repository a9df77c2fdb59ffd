// The routines lean on the engine's whole-string built-ins (regular-expression
// replace, escape, unescape), which run natively; a loop over code units in
// script is tens of times slower. Two facts about the built-ins shape them:
// escape() writes upper-case digits and leaves A-Z a-z 0-9 @*_+-./ as they
// are, and both escape() and unescape() stop at a U+0000 in their input, so
// no U+0000 ever reaches either.
//
// This file is compiled with the execution character set GBK, so the two
// message texts below are stored in code page 936.
#include "script/RoutineSource.h"

#define LINE(text) text "\r\n"

extern const char RoutineSource[] =
    LINE("function asciiConvertNative(content) {")
    LINE("    if (content.length == 0) return \"请先输入要转换的内容!\";")
    LINE("    if (content.indexOf(\"\\\\u\") < 0) return \"文本框中没有合法的unicode代码!\";")
    // unescape() does the decoding: literal % signs become %25 first, so
    // that the only other % signs are the %u escapes made here.
    LINE("    var text = content.replace(/%/g, \"%25\").replace(/\\\\u([0-9A-Fa-f]{4})/g, \"%u$1\");")
    // What is left are escapes with fewer than four digits. Each takes the
    // code units after it up to four in all, but not past the next escape;
    // a %25 counts as the one code unit it stands for.
    LINE("    if (text.indexOf(\"\\\\u\") >= 0) {")
    LINE("        text = text.replace(/\\\\u([0-9A-Fa-f]{3})(?:%25|[^\\\\%]|\\\\(?!u))?/g, \"%u0$1\")")
    LINE("            .replace(/\\\\u([0-9A-Fa-f]{2})(?:%25|[^\\\\%]|\\\\(?!u)){0,2}/g, \"%u00$1\")")
    LINE("            .replace(/\\\\u([0-9A-Fa-f])(?:%25|[^\\\\%]|\\\\(?!u)){0,3}/g, \"%u000$1\")")
    LINE("            .replace(/\\\\u(?:%25|[^\\\\%]|\\\\(?!u)){0,4}/g, \"%u0000\");")
    LINE("    }")
    LINE("    return unescape(text.replace(/\\u0000/g, \"%00\"));")
    LINE("}")
    LINE("")
    LINE("function nativeConvertAscii(content) {")
    LINE("    if (content.length == 0) return \"请先输入要转换的内容!\";")
    LINE("    return content.replace(/[^\\u0000-\\u007f]+/g, function (run) {")
    LINE("        return escape(run).replace(/%u/g, \"\\\\u\").replace(/%/g, \"\\\\u00\").toLowerCase();")
    LINE("    });")
    LINE("}")
    LINE("")
    LINE("function nativeConvertAscii1(content) {")
    LINE("    if (content.length == 0) return \"请先输入要转换的内容!\";")
    // Characters that escape() keeps are escaped one by one; runs of all
    // others (U+0000 aside) go through escape() whole.
    LINE("    return content.replace(/([\\w@*+\\-.\\/])|(\\u0000)|[^\\w@*+\\-.\\/\\u0000]+/g,")
    LINE("        function (run, kept, nul) {")
    LINE("            if (kept) return \"\\\\u00\" + kept.charCodeAt(0).toString(16);")
    LINE("            if (nul) return \"\\\\u0000\";")
    LINE("            return escape(run).replace(/%u/g, \"\\\\u\").replace(/%/g, \"\\\\u00\").toLowerCase();")
    LINE("        });")
    LINE("}");
