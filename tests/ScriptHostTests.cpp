// The script host itself: creation, adding code, running by exact name,
// result conversion, error text, and what it does without an engine.
#include "tests/TestSupport.h"

#include "common/FatalError.h"

#include <wrl/client.h>

#include <cstring>

using Microsoft::WRL::ComPtr;

namespace {

const WindowText kNoEngineText = "脚本组件创建失败,请检查msscript.ocx是否注册!";
// The engine always hands out an error object; with nothing recorded its
// parts are empty, and the text is built all the same.
const WindowText kNoErrorText = "Error: , ; in line 0";

// A host without an engine must answer everything quietly.
void expectSilentWithoutEngine(ScriptHost& host) {
    EXPECT_FALSE(host.hasEngine());
    EXPECT_FALSE(host.addCode(RoutineSource));
    EXPECT_TRUE(host.routineNames().empty());
    for (const char* routine : {"nativeConvertAscii", "nativeConvertAscii1", "asciiConvertNative"}) {
        EXPECT_EQ(host.runRoutine(routine, "abc"), std::nullopt);
        EXPECT_EQ(host.runRoutine(routine, ""), std::nullopt);
    }
    EXPECT_EQ(host.errorInfo(), kNoEngineText);
    EXPECT_EQ(host.language(), "JScript");
    EXPECT_EQ(host.timeOut(), -1);
}

TEST(ScriptHostCreation, UnregisteredEngineClassLeavesAHostWithoutEngine) {
    const CLSID unregistered = {0x3c1b7e52, 0x0d4f, 0x4a8e, {0x9b, 0x11, 0x5e, 0x2a, 0x70, 0x44, 0x81, 0xc3}};
    ScriptHost host(unregistered);
    expectSilentWithoutEngine(host);
}

// Run with the Script Control disabled in Wine (see tests/CMakeLists.txt).
TEST(WithoutScriptControl, HostIsCreatedButSilent) {
    ScriptHost host;
    expectSilentWithoutEngine(host);
}

TEST(ScriptHostCreation, StartsAsJScriptWithoutTimeLimit) {
    ScriptHost host;
    ASSERT_TRUE(host.hasEngine());
    EXPECT_EQ(host.language(), "JScript");
    EXPECT_EQ(host.timeOut(), -1);
    EXPECT_TRUE(host.routineNames().empty());
    EXPECT_EQ(host.errorInfo(), kNoErrorText);
}

class ScriptHostRun : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host_.hasEngine()); }
    ScriptHost host_;
};

TEST_F(ScriptHostRun, NamesMatchExactlyAndOnlyAfterAddCode) {
    const char* source = "function echo(content) { return 'e:' + content; }";
    EXPECT_EQ(host_.runRoutine("echo", "x"), std::nullopt);
    ASSERT_TRUE(host_.addCode(source));
    EXPECT_EQ(host_.routineNames(), std::vector<WindowText>{"echo"});
    EXPECT_EQ(host_.runRoutine("echo", "x"), WindowText("e:x"));
    // The engine is not asked for a name it did not report, so it records no error.
    for (const char* name : {"Echo", "ECHO", "echo ", "ech", "missing"}) {
        EXPECT_EQ(host_.runRoutine(name, "x"), std::nullopt) << name;
        EXPECT_EQ(host_.errorInfo(), kNoErrorText) << name;
    }
}

TEST_F(ScriptHostRun, EmptyArgumentIsAZeroLengthString) {
    ASSERT_TRUE(host_.addCode(
        "function describe(content) { return typeof content + ':' + content.length; }"));
    EXPECT_EQ(host_.runRoutine("describe", ""), WindowText("string:0"));
}

TEST_F(ScriptHostRun, ResultsBecomeText) {
    ASSERT_TRUE(host_.addCode(
        "function half(content) { return 0.5; }\r\n"
        "function minusHalf(content) { return -0.5; }\r\n"
        "function dotFive(content) { return '.5'; }\r\n"
        "function answer(content) { return 42; }\r\n"
        "function yes(content) { return true; }\r\n"
        "function nothing(content) { }\r\n"
        "function empty(content) { return ''; }\r\n"
        "function nul(content) { return '\\u0000'; }\r\n"
        "function nulInside(content) { return 'ab\\u0000cd'; }\r\n"));
    struct Case {
        const char* routine;
        std::optional<WindowText> expected;
    };
    const Case cases[] = {
        {"half", "0.5"},  {"dotFive", ".5"},          {"answer", "42"},
        {"nothing", std::nullopt}, {"empty", std::nullopt}, {"nul", std::nullopt},
        {"nulInside", "ab"},
    };
    for (const Case& c : cases) EXPECT_EQ(host_.runRoutine(c.routine, "x"), c.expected) << c.routine;
    // A boolean and a negative number come back in the engine's own form.
    EXPECT_TRUE(host_.runRoutine("yes", "x").has_value());
    const auto minusHalf = host_.runRoutine("minusHalf", "x");
    ASSERT_TRUE(minusHalf.has_value());
    EXPECT_NE(minusHalf->find('5'), std::string::npos);
}

TEST_F(ScriptHostRun, NumberResultsGetALeadingZeroButStringsDoNot) {
    Variant number;
    V_VT(number.get()) = VT_R8;
    V_R8(number.get()) = 0.25;
    const auto text = resultToText(number);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->front(), '0');

    Variant string;
    V_VT(string.get()) = VT_BSTR;
    V_BSTR(string.get()) = makeBstr(L".25").release();
    EXPECT_EQ(resultToText(string), WindowText(".25"));
}

TEST_F(ScriptHostRun, ThrowingRoutineGivesNoTextAndLeavesItsError) {
    ASSERT_TRUE(host_.addCode("function fail(content) { throw new Error('broken ' + content); }"));
    EXPECT_EQ(host_.runRoutine("fail", "here"), std::nullopt);
    const WindowText error = host_.errorInfo();
    EXPECT_EQ(error.rfind("Error: ", 0), 0u) << error;
    EXPECT_NE(error.find("; in line "), std::string::npos) << error;
    EXPECT_NE(error.find("broken here"), std::string::npos) << error;
    // Reading the error makes the engine forget it.
    EXPECT_EQ(host_.errorInfo(), kNoErrorText);
}

TEST_F(ScriptHostRun, RejectedSourceKeepsTheNamesItHad) {
    ASSERT_TRUE(host_.addCode("function first(content) { return '1'; }"));
    EXPECT_FALSE(host_.addCode("function broken(content) { return ; ) }"));
    EXPECT_EQ(host_.routineNames(), std::vector<WindowText>{"first"});
    EXPECT_EQ(host_.runRoutine("first", ""), WindowText("1"));
    EXPECT_EQ(host_.errorInfo().rfind("Error: ", 0), 0u);
}

TEST_F(ScriptHostRun, RejectedFirstSourceLeavesNoRoutines) {
    EXPECT_FALSE(host_.addCode("function ("));
    EXPECT_TRUE(host_.routineNames().empty());
    EXPECT_EQ(host_.runRoutine("nativeConvertAscii", "abc"), std::nullopt);
}

TEST_F(ScriptHostRun, EmptyCodeAddsTheLastCodeAgain) {
    // Each time the source is added its top level runs once more.
    ASSERT_TRUE(host_.addCode(
        "var added; added = (added || 0) + 1;\r\n"
        "function count(content) { return 'added ' + added; }"));
    EXPECT_EQ(host_.runRoutine("count", ""), WindowText("added 1"));
    EXPECT_TRUE(host_.addCode(""));
    EXPECT_EQ(host_.runRoutine("count", ""), WindowText("added 2"));
}

TEST_F(ScriptHostRun, SettingTheLanguageResetsTheEngine) {
    ASSERT_TRUE(host_.addCode("function kept(content) { return 'k'; }"));
    host_.setLanguage("JScript");
    EXPECT_EQ(host_.language(), "JScript");
    EXPECT_TRUE(host_.routineNames().empty());
    EXPECT_EQ(host_.runRoutine("kept", ""), std::nullopt);
    host_.setTimeOut(5000);
    EXPECT_EQ(host_.timeOut(), 5000);
    ASSERT_TRUE(host_.addCode("function again(content) { return 'a'; }"));
    EXPECT_EQ(host_.runRoutine("again", ""), WindowText("a"));
}

TEST_F(ScriptHostRun, ErrorTextIsCutWithoutSplittingACharacter) {
    // 300 double-byte characters in the description: far past the limit.
    std::string message;
    for (int i = 0; i < 300; ++i) message += "中";
    ASSERT_TRUE(host_.addCode("function fail(content) { throw new Error('" + message + "'); }"));
    EXPECT_EQ(host_.runRoutine("fail", ""), std::nullopt);
    const WindowText error = host_.errorInfo();
    // "Error: " is 7 bytes; 124 more characters make 255, a 125th would make 257.
    EXPECT_EQ(error.size(), 255u);
    EXPECT_EQ(error.substr(0, 9), "Error: " + std::string("中"));
    EXPECT_EQ(error.substr(253), "中");
}

TEST(TextCut, NeverEndsInsideADoubleByteCharacter) {
    const std::string text = "a中b";  // 61 D6 D0 62
    EXPECT_EQ(cutToBytes(text, 0), "");
    EXPECT_EQ(cutToBytes(text, 1), "a");
    EXPECT_EQ(cutToBytes(text, 2), "a");
    EXPECT_EQ(cutToBytes(text, 3), "a中");
    EXPECT_EQ(cutToBytes(text, 10), text);
}

// GCC keeps a pointer to a virtual member as 1 + its byte offset in the vtable.
template <class Member>
std::ptrdiff_t declaredSlot(Member member) {
    struct Raw {
        std::ptrdiff_t offsetPlusOne;
        std::ptrdiff_t adjustment;
    } raw;
    static_assert(sizeof(Member) == sizeof(Raw));
    std::memcpy(&raw, &member, sizeof raw);
    return (raw.offsetPlusOne - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

// The vtable slot of a member in the component's own type library.
std::ptrdiff_t libraryslot(IDispatch* object, const wchar_t* name, INVOKEKIND kind) {
    ComPtr<ITypeInfo> info;
    if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info))) return -1;
    HREFTYPE vtableRef;
    ComPtr<ITypeInfo> vtableInfo;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &vtableRef)) &&
        SUCCEEDED(info->GetRefTypeInfo(vtableRef, &vtableInfo)))
        info = vtableInfo;
    TYPEATTR* attributes = nullptr;
    if (FAILED(info->GetTypeAttr(&attributes))) return -1;
    const WORD functions = attributes->cFuncs;
    info->ReleaseTypeAttr(attributes);
    for (WORD i = 0; i < functions; ++i) {
        FUNCDESC* function = nullptr;
        if (FAILED(info->GetFuncDesc(i, &function))) continue;
        Bstr functionName;
        info->GetDocumentation(function->memid, functionName.put(), nullptr, nullptr, nullptr);
        const bool match = function->invkind == kind && functionName.get() &&
                           std::wcscmp(functionName.get(), name) == 0;
        const std::ptrdiff_t slot = function->oVft / static_cast<std::ptrdiff_t>(sizeof(void*));
        info->ReleaseFuncDesc(function);
        if (match) return slot;
    }
    return -1;
}

TEST(ScriptControlDeclarations, EverySlotTheHostCallsMatchesTheTypeLibrary) {
    ComPtr<IUnknown> object;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(kScriptControlClass, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_PPV_ARGS(&object)));
    ComPtr<IScriptControl> control;
    ASSERT_HRESULT_SUCCEEDED(object.As(&control));
    ASSERT_HRESULT_SUCCEEDED(control->put_Language(makeBstr(L"JScript").get()));
    ASSERT_HRESULT_SUCCEEDED(control->AddCode(makeBstr(L"function f(a) { return a; }").get()));
    ComPtr<IScriptProcedureCollection> procedures;
    ASSERT_HRESULT_SUCCEEDED(control->get_Procedures(&procedures));
    ComPtr<IScriptProcedure> procedure;
    const Variant first = Variant::fromInt32(1);
    ASSERT_HRESULT_SUCCEEDED(procedures->get_Item(first.get(), &procedure));
    control->Run(makeBstr(L"missing").get(), nullptr, Variant().put());
    ComPtr<IScriptError> error;
    ASSERT_HRESULT_SUCCEEDED(control->get_Error(&error));

    constexpr auto get = INVOKE_PROPERTYGET, put = INVOKE_PROPERTYPUT, call = INVOKE_FUNC;
    IDispatch* c = control.Get();
    EXPECT_EQ(libraryslot(c, L"Language", put), declaredSlot(&IScriptControl::put_Language));
    EXPECT_EQ(libraryslot(c, L"Timeout", put), declaredSlot(&IScriptControl::put_Timeout));
    EXPECT_EQ(libraryslot(c, L"AllowUI", put), declaredSlot(&IScriptControl::put_AllowUI));
    EXPECT_EQ(libraryslot(c, L"Error", get), declaredSlot(&IScriptControl::get_Error));
    EXPECT_EQ(libraryslot(c, L"Procedures", get), declaredSlot(&IScriptControl::get_Procedures));
    EXPECT_EQ(libraryslot(c, L"Reset", call), declaredSlot(&IScriptControl::Reset));
    EXPECT_EQ(libraryslot(c, L"AddCode", call), declaredSlot(&IScriptControl::AddCode));
    EXPECT_EQ(libraryslot(c, L"Run", call), declaredSlot(&IScriptControl::Run));
    IDispatch* p = procedures.Get();
    EXPECT_EQ(libraryslot(p, L"Count", get), declaredSlot(&IScriptProcedureCollection::get_Count));
    EXPECT_EQ(libraryslot(p, L"Item", get), declaredSlot(&IScriptProcedureCollection::get_Item));
    EXPECT_EQ(libraryslot(procedure.Get(), L"Name", get), declaredSlot(&IScriptProcedure::get_Name));
    IDispatch* e = error.Get();
    EXPECT_EQ(libraryslot(e, L"Description", get), declaredSlot(&IScriptError::get_Description));
    EXPECT_EQ(libraryslot(e, L"Text", get), declaredSlot(&IScriptError::get_Text));
    EXPECT_EQ(libraryslot(e, L"Line", get), declaredSlot(&IScriptError::get_Line));
    EXPECT_EQ(libraryslot(e, L"Clear", call), declaredSlot(&IScriptError::Clear));
}

TEST(FatalReport, TextsAreComposedExactly) {
    char buffer[512];
    composeFatalReport("载入启动窗口失败", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
    composeFatalReport("", buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "运行时出错!\r\n\r\n");
    composeOutOfMemoryMessage(123, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "分配 123 字节内存失败!");
    if constexpr (sizeof(std::size_t) == 8) {
        composeOutOfMemoryMessage(static_cast<std::size_t>(5000000000ULL), buffer, sizeof buffer);
        EXPECT_STREQ(buffer, "分配 5000000000 字节内存失败!");
    }
    // A small buffer is filled and terminated, never overrun.
    char tiny[8];
    EXPECT_EQ(composeFatalReport("x", tiny, sizeof tiny), 7u);
    EXPECT_EQ(tiny[7], '\0');
}

}  // namespace
