// The script routines against the independent model, on many generated
// inputs: at the UTF-16 level (where U+0000 and lone surrogates can occur),
// and through the 8-bit code page 936 path the window uses.
#include "tests/EscapeModel.h"
#include "tests/TestSupport.h"

#include <algorithm>
#include <random>

namespace {

// Inputs rich in what the rules are about: introducers, near-introducers,
// digits of both cases, surrogate halves, line breaks, U+0000, percent signs
// (which the routines treat specially inside the engine) and plain text; and
// what the routines' cache of runs could trip on: repeated runs, runs that
// differ only after a U+0000, and names of properties every object has.
class InputGenerator {
public:
    explicit InputGenerator(unsigned seed) : random_(seed) {}

    std::u16string next(bool codePage936Only) {
        std::u16string text;
        const int pieces = pick(0, 12);
        for (int i = 0; i < pieces; ++i) appendPiece(text, codePage936Only);
        return text;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    char16_t pickFrom(std::u16string_view choices) {
        return choices[static_cast<std::size_t>(pick(0, static_cast<int>(choices.size()) - 1))];
    }
    char16_t hexDigit() { return pickFrom(u"0123456789abcdefABCDEF"); }

    void appendPiece(std::u16string& text, bool codePage936Only) {
        switch (pick(0, codePage936Only ? 9 : 14)) {
        case 0: text += u"\\u"; break;
        case 1:
            text += u"\\u";
            for (int n = pick(0, 5); n > 0; --n) text += hexDigit();
            break;
        case 2: text += pickFrom(u"\\uU%x \r\n"); break;
        case 3: text += hexDigit(); break;
        case 4: text += static_cast<char16_t>(pick(0x4E00, 0x9FA5)); break;
        case 5: text += static_cast<char16_t>(pick(0x20, 0x7F)); break;
        case 6: text += u"\r\n"; break;
        case 7: text += pickFrom(u"%@*_+-./~"); break;
        case 8: text += pickWord(); break;
        case 9: repeatSomeOf(text); break;
        case 10: text += static_cast<char16_t>(pick(0x80, 0xFF)); break;
        case 11: text += static_cast<char16_t>(pick(0xD800, 0xDFFF)); break;
        case 12: text += u'\0'; break;
        case 13:  // runs that differ only after a U+0000
            text += u'\0';
            text += pickFrom(u"ab中文 ");
            break;
        default: text += static_cast<char16_t>(pick(0, 0xFFFF)); break;
        }
    }

    // Names every script object has, and short words that come back often.
    std::u16string pickWord() {
        static const char16_t* const words[] = {u"constructor", u"__proto__", u"toString",
                                                u"hasOwnProperty", u"valueOf", u"length",
                                                u"prototype", u"if", u"x"};
        return words[pick(0, 8)];
    }

    // The same run again, several times: what a cache of runs works on.
    void repeatSomeOf(std::u16string& text) {
        if (text.empty()) return;
        const std::size_t length = static_cast<std::size_t>(pick(1, 8));
        const std::u16string run = text.substr(text.size() - std::min(length, text.size()));
        for (int n = pick(1, 4); n > 0; --n) text += run;
    }

    std::mt19937 random_;
};

struct Routine {
    const char* name;
    std::u16string (*model)(const std::u16string&);
};

const Routine kRoutines[] = {
    {"nativeConvertAscii1", model::escapeAll},
    {"nativeConvertAscii", model::escapeNonAscii},
    {"asciiConvertNative", model::restore},
};

std::string printable(const std::u16string& text) {
    std::string out;
    char hex[8];
    for (char16_t unit : text) {
        std::snprintf(hex, sizeof hex, "%04x ", static_cast<unsigned>(unit));
        out += hex;
    }
    return out;
}

// WideCharToMultiByte on code page 936 directly, up to the first U+0000.
std::string toCodePage936(const std::u16string& text) {
    const std::wstring units = wide(text.substr(0, text.find(u'\0')));
    if (units.empty()) return {};
    const int size = static_cast<int>(units.size());
    std::string out(static_cast<std::size_t>(size) * 2, '\0');
    out.resize(static_cast<std::size_t>(
        WideCharToMultiByte(936, 0, units.data(), size, out.data(), size * 2, nullptr, nullptr)));
    return out;
}

class Differential : public RoutineHostTest {};

TEST_F(Differential, RoutinesAgreeWithTheModelOnUtf16Text) {
    InputGenerator inputs(20261211);
    int mismatches = 0;
    for (int i = 0; i < 20000 && mismatches < 10; ++i) {
        const std::u16string input = inputs.next(false);
        for (const Routine& routine : kRoutines) {
            const std::u16string actual = run(routine.name, input);
            const std::u16string expected = routine.model(input);
            if (actual != expected) {
                ++mismatches;
                ADD_FAILURE() << routine.name << " on " << printable(input) << "\n  gave     "
                              << printable(actual) << "\n  expected " << printable(expected);
            }
        }
    }
}

TEST_F(Differential, RoutinesAgreeWithTheModelThroughCodePage936) {
    ASSERT_EQ(GetACP(), 936u) << "the tests run with LC_ALL=zh_CN.GBK";
    InputGenerator inputs(936);
    int mismatches = 0;
    for (int i = 0; i < 5000 && mismatches < 10; ++i) {
        const std::u16string input = inputs.next(true);
        const std::string windowText = toCodePage936(input);
        for (const Routine& routine : kRoutines) {
            const std::optional<WindowText> actual = host().runRoutine(routine.name, windowText);
            const std::string expected = toCodePage936(routine.model(input));
            const std::optional<WindowText> expectedText =
                expected.empty() ? std::nullopt : std::optional<WindowText>(expected);
            if (actual != expectedText) {
                ++mismatches;
                ADD_FAILURE() << routine.name << " on " << printable(input);
            }
        }
    }
}

}  // namespace
