#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "Error.h"
#include "HandlerGuard.h"
#include "RecordingInteraction.h"

namespace orgola::test {
namespace {

struct GuardCase {
    const char* name;
    std::function<void()> body;
    std::string boxText;
};

void PrintTo(const GuardCase& c, std::ostream* out) {
    *out << c.name;
}

class HandlerGuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(HandlerGuardTest, ShowsTheErrorWithTheFullStopRule) {
    RecordingInteraction interaction;
    EXPECT_FALSE(runHandler(interaction, nullptr, QStringLiteral("orgola_s"), GetParam().body));
    ASSERT_EQ(interaction.events.size(), 1u);
    EXPECT_EQ(interaction.events[0].kind, "error");
    EXPECT_EQ(interaction.events[0].title, "orgola_s");
    EXPECT_EQ(interaction.events[0].text, GetParam().boxText);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, HandlerGuardTest,
    ::testing::Values(
        GuardCase{"EndsInParenthesis", [] { throw Error::file(32); }, "I/O エラー (32)"},
        GuardCase{"EndsInJapanese", [] { throw Error::file(2); }, "ファイルが見つかりません."},
        GuardCase{"NotInteger", [] { throw Error::notInteger("abc"); },
                  "'abc' は整数ではありません."},
        GuardCase{"OtherException", [] { throw std::runtime_error("broken"); }, "broken."},
        GuardCase{"EmptyMessage", [] { throw std::runtime_error(""); }, ""},
        GuardCase{"OutOfMemory", [] { throw std::bad_alloc(); }, "メモリが不足しています."},
        GuardCase{"NotAnException", [] { throw 42; }, "不明なエラーが発生しました."}),
    [](const auto& info) { return info.param.name; });

TEST(HandlerGuard, ShowsNothingWhenTheBodySucceeds) {
    RecordingInteraction interaction;
    bool ran = false;
    EXPECT_TRUE(runHandler(interaction, nullptr, "t", [&] { ran = true; }));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(interaction.events.empty());
}

}  // namespace
}  // namespace orgola::test
