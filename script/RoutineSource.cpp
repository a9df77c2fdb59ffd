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
    // escape() writes %uXXXX (six code units) from U+0100 up and %XX below:
    // a run that came out six times its length holds no %XX to fix.
    LINE("    var percentU = /%u/g, percent = /%/g;")
    LINE("    return content.replace(/[^\\u0000-\\u007f]+/g, function (run) {")
    LINE("        var escaped = escape(run).replace(percentU, \"\\\\u\");")
    LINE("        if (escaped.length != 6 * run.length) escaped = escaped.replace(percent, \"\\\\u00\");")
    LINE("        return escaped.toLowerCase();")
    LINE("    });")
    LINE("}")
    LINE("")
    LINE("function nativeConvertAscii1(content) {")
    LINE("    if (content.length == 0) return \"请先输入要转换的内容!\";")
    // One callback per token: a word of the characters escape() keeps
    // (A-Z a-z 0-9 @*_+-./) with the other code units before it, a last run
    // of others, or a U+0000 alone (escape() stops at it, and a property
    // name would end at it). Tokens repeat in real text (keywords, names,
    // indentation), so each distinct one is escaped once and remembered
    // under a key with "~" in front, which no property every object has
    // (such as "constructor") can match. Words are escaped a character at
    // a time from a table, the other code units by escape().
    LINE("    var done = {}, kept = {}, percentU = /%u/g, percent = /%/g;")
    LINE("    function escapeKept(word) {")
    LINE("        var units = word.split(\"\"), i, unit;")
    LINE("        for (i = 0; i < units.length; ++i) {")
    LINE("            unit = units[i];")
    LINE("            units[i] = kept[unit] || (kept[unit] = \"\\\\u00\" + unit.charCodeAt(0).toString(16));")
    LINE("        }")
    LINE("        return units.join(\"\");")
    LINE("    }")
    LINE("    function escapeOthers(run) {")
    LINE("        return escape(run).replace(percentU, \"\\\\u\").replace(percent, \"\\\\u00\").toLowerCase();")
    LINE("    }")
    LINE("    return content.replace(/([^\\w@*+\\-.\\/\\u0000]*)([\\w@*+\\-.\\/]+)|[^\\w@*+\\-.\\/\\u0000]+|\\u0000/g,")
    LINE("        function (token, others, word) {")
    LINE("            if (token == \"\\u0000\") return \"\\\\u0000\";")
    LINE("            var key = \"~\" + token;")
    LINE("            if (!done[key])")
    LINE("                done[key] = word ? (others && escapeOthers(others)) + escapeKept(word) : escapeOthers(token);")
    LINE("            return done[key];")
    LINE("        });")
    LINE("}");
