// The three conversion routines, run by name through the script host on the
// real engine, case by case.
#include "tests/EscapeModel.h"
#include "tests/TestSupport.h"

namespace {

constexpr const char* kEscapeAll = "nativeConvertAscii1";
constexpr const char* kEscapeNonAscii = "nativeConvertAscii";
constexpr const char* kRestore = "asciiConvertNative";

struct Case {
    const char* routine;
    std::u16string content;
    std::u16string expected;
};

class Routines : public RoutineHostTest {};

TEST_F(Routines, EngineReportsExactlyTheThreeRoutinesInOrder) {
    EXPECT_EQ(host().routineNames(),
              (std::vector<WindowText>{kRestore, kEscapeNonAscii, kEscapeAll}));
}

TEST_F(Routines, ConvertAsTheRulesSay) {
    const std::u16string nul(1, u'\0');
    const Case cases[] = {
        // Empty input: the same message from all three, before any other test.
        {kEscapeAll, u"", model::kEmptyInputMessage},
        {kEscapeNonAscii, u"", model::kEmptyInputMessage},
        {kRestore, u"", model::kEmptyInputMessage},
        // Escaping: four lower-case digits for every escaped code unit.
        {kEscapeNonAscii, u"中a", u"\\u4e2da"},
        {kEscapeAll, u"中a", u"\\u4e2d\\u0061"},
        {kEscapeAll, u"\té", u"\\u0009\\u00e9"},
        {kEscapeAll, u"Ω€", u"\\u03a9\\u20ac"},
        {kEscapeNonAscii, u"éΩ€", u"\\u00e9\\u03a9\\u20ac"},
        {kEscapeNonAscii, u"\u007f\u0080", u"\u007f\\u0080"},
        {kEscapeNonAscii, u"A\r\nB", u"A\r\nB"},
        {kEscapeAll, u"A\r\nB", u"\\u0041\\u000d\\u000a\\u0042"},
        {kEscapeNonAscii, u"abc", u"abc"},
        {kEscapeAll, u"@*_+-./%~", u"\\u0040\\u002a\\u005f\\u002b\\u002d\\u002e\\u002f\\u0025\\u007e"},
        {kEscapeAll, u"\U0001F600", u"\\ud83d\\ude00"},
        {kEscapeNonAscii, u"x\U0001F600", u"x\\ud83d\\ude00"},
        {kEscapeNonAscii, u"\xdc00\xd800", u"\\udc00\\ud800"},
        {kEscapeAll, u"\uffffZ", u"\\uffff\\u005a"},
        // U+0000 is a code unit like any other, also beside escaped ones.
        {kEscapeAll, u"a" + nul + u"é", u"\\u0061\\u0000\\u00e9"},
        {kEscapeNonAscii, u"é" + nul + u"é", u"\\u00e9" + nul + u"\\u00e9"},
        // Restoring: digits of either case, escapes end after four code units.
        {kRestore, u"\\ud83d\\ude00", u"\U0001F600"},
        {kRestore, u"\\u4e2d\\u6587", u"中文"},
        {kRestore, u"\\u4E2D", u"中"},
        {kRestore, u"\\u4e2D", u"中"},
        {kRestore, u"\\u4e2dxyz", u"中xyz"},
        {kRestore, u"\\u4e2da", u"中a"},
        {kRestore, u"\\u00410", u"A0"},
        // No backslash directly followed by a lower-case u: no escape at all.
        {kRestore, u"abc", model::kNoEscapeMessage},
        {kRestore, u"menu", model::kNoEscapeMessage},
        {kRestore, u"\\U4E2D", model::kNoEscapeMessage},
        {kRestore, u"\\U4E2D\\u0041", u"\\U4E2DA"},
        // Short escapes and non-digits: the four code units are consumed.
        {kRestore, u"\\u41\\u42", u"AB"},
        {kRestore, u"\\u41zzB", u"AB"},
        {kRestore, u"x\\u12 next", u"x\u0012ext"},
        {kRestore, u"\\uzzzz", nul},
        {kRestore, u"\\u 41", nul},
        {kRestore, u"\\u0x41", nul},
        {kRestore, u"abc\\u", u"abc" + nul},
        {kRestore, u"\\u\\u0041", nul + u"A"},
        {kRestore, u"\\\\u0041", u"\\A"},
        {kRestore, u"\\u4e2d\r\n\\u6587", u"中\r\n文"},
        {kRestore, u"\\u4e\r\nabc", u"Nabc"},
        {kRestore, u"abc\\u0000def", u"abc" + nul + u"def"},
        // Percent signs and U+0000 are ordinary text, also among the four.
        {kRestore, u"%41%u0041\\u0041%", u"%41%u0041A%"},
        {kRestore, u"\\u4%abc", u"\u0004c"},
        {kRestore, u"\\u4" + nul + u"abc", u"\u0004c"},
        {kRestore, u"\\u41" + nul + u"\\u42", u"AB"},
        {kRestore, u"a" + nul + u"\\u0042" + nul, u"a" + nul + u"B" + nul},
        {kRestore, u"\\u4\\\\u0041", u"\u0004A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.routine << " on case " << (&c - cases));
        EXPECT_EQ(run(c.routine, c.content), c.expected);
    }
}

TEST_F(Routines, RestoringUndoesEscaping) {
    const std::u16string texts[] = {u"中文 and ASCII\r\n\U0001F600", u"x", u"\\U\\\\ \xd800 %u0041"};
    for (const auto& text : texts) {
        EXPECT_EQ(run(kRestore, run(kEscapeAll, text)), text);
    }
    EXPECT_EQ(run(kRestore, run(kEscapeNonAscii, u"中文 and ASCII\r\n")), u"中文 and ASCII\r\n");
    EXPECT_EQ(run(kRestore, run(kEscapeNonAscii, u"plain")), model::kNoEscapeMessage);
}

// The same routines through the 8-bit path the window uses, code page 936.
TEST_F(Routines, WindowTextCrossesAsCodePage936) {
    const std::string zhongA = bytes({0xD6, 0xD0, 'a'});  // 中a
    EXPECT_EQ(host().runRoutine(kEscapeNonAscii, zhongA), WindowText("\\u4e2da"));
    EXPECT_EQ(host().runRoutine(kRestore, "\\u4e2d\\u6587"),
              bytes({0xD6, 0xD0, 0xCE, 0xC4}));  // 中文
    // The messages come back as their code page 936 bytes.
    EXPECT_EQ(host().runRoutine(kEscapeAll, ""),
              bytes({0xC7, 0xEB, 0xCF, 0xC8, 0xCA, 0xE4, 0xC8, 0xEB, 0xD2, 0xAA, 0xD7,
                     0xAA, 0xBB, 0xBB, 0xB5, 0xC4, 0xC4, 0xDA, 0xC8, 0xDD, '!'}));
    EXPECT_EQ(host().runRoutine(kRestore, "abc"),
              bytes({0xCE, 0xC4, 0xB1, 0xBE, 0xBF, 0xF2, 0xD6, 0xD0, 0xC3, 0xBB, 0xD3, 0xD0,
                     0xBA, 0xCF, 0xB7, 0xA8, 0xB5, 0xC4}) +
                  "unicode" + bytes({0xB4, 0xFA, 0xC2, 0xEB, '!'}));
    // Line breaks are kept byte for byte.
    EXPECT_EQ(host().runRoutine(kEscapeAll, "A\r\n"), WindowText("\\u0041\\u000d\\u000a"));
}

TEST_F(Routines, ResultEndsAtTheFirstNul) {
    EXPECT_EQ(host().runRoutine(kRestore, "abc\\u0000def"), WindowText("abc"));
    EXPECT_EQ(host().runRoutine(kRestore, "abc\\u"), WindowText("abc"));
    // Nothing before the U+0000: no text at all.
    EXPECT_EQ(host().runRoutine(kRestore, "\\u\\u0041"), std::nullopt);
    EXPECT_EQ(host().runRoutine(kRestore, "\\u0000"), std::nullopt);
}

TEST_F(Routines, CodeUnitsTheCodePageLacksAreReplaced) {
    // U+0E01 (Thai) has no code page 936 form; the rest comes back intact.
    const auto result = host().runRoutine(kRestore, "a\\u0e01b");
    ASSERT_TRUE(result.has_value());
    ASSERT_EQ(result->size(), 3u);
    EXPECT_EQ(result->front(), 'a');
    EXPECT_EQ(result->back(), 'b');
    EXPECT_NE((*result)[1], '\0');
}

TEST_F(Routines, LargeTextsConvertWhole) {
    const std::u16string pattern = u"中文ab\r\n\\u12%" + std::u16string(1, u'\0');
    std::u16string text;
    for (std::size_t i = 0; i < 50000; ++i) text += pattern[i % pattern.size()];
    EXPECT_EQ(run(kEscapeAll, text), model::escapeAll(text));
    EXPECT_EQ(run(kEscapeNonAscii, text), model::escapeNonAscii(text));
    EXPECT_EQ(run(kRestore, text), model::restore(text));
}

}  // namespace
