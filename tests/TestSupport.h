// Small helpers shared by the in-process tests.
#pragma once

#include "script/RoutineSource.h"
#include "script/ScriptHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

inline std::wstring wide(const std::u16string& units) { return {units.begin(), units.end()}; }
inline std::u16string utf16(const std::wstring& units) { return {units.begin(), units.end()}; }

// Code page 936 bytes written out, so a test states exactly what it expects.
inline std::string bytes(std::initializer_list<unsigned char> values) {
    return std::string(values.begin(), values.end());
}

// One host with the routine source added, shared by a whole suite: creating
// the engine is the slow part of these tests.
class RoutineHostTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = std::make_unique<ScriptHost>();
        ASSERT_TRUE(host_->hasEngine()) << "the Microsoft Script Control is not available";
        ASSERT_TRUE(host_->addCode(RoutineSource));
    }
    static void TearDownTestSuite() { host_.reset(); }

    static ScriptHost& host() { return *host_; }

    // Runs a routine on UTF-16 text; "<no text>" marks a failed run.
    static std::u16string run(const char* routine, const std::u16string& content) {
        const auto result = host_->runRoutineOnScriptText(routine, wide(content));
        return result ? utf16(*result) : u"<no text>";
    }

private:
    static inline std::unique_ptr<ScriptHost> host_;
};
