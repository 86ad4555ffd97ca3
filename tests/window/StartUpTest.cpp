#include <QFontInfo>
#include <optional>

#include "WindowFixture.h"

namespace orgola::test {
namespace {

struct StartUpCase {
    const char* name;
    std::optional<std::string> file;  // no settings file when empty
    std::vector<std::string> errors;  // the boxes shown before the window
    QRect frame;
    std::vector<const char*> checked;
    const char* repeatCount;
    const char* delay;
    const char* display;  // the caption of Label4
    const char* focus;
};

void PrintTo(const StartUpCase& c, std::ostream* out) {
    *out << c.name;
}

const char* const kAllOptions[] = {"RB2313",   "RB45",    "RBtomori", "RBhidaspx",
                                   "RBakarui", "RBkurai", "RBsinai"};
const QRect kDefaultFrame(283, 172, 745, 210);
const std::vector<const char*> kDefaultChecks = {"RB2313", "RBtomori", "RBakarui"};

class StartUpTest : public WindowTest, public ::testing::WithParamInterface<StartUpCase> {};

TEST_P(StartUpTest, OpensWithWhatWasApplied) {
    const StartUpCase& c = GetParam();
    if (c.file) {
        writeSettings(*c.file);
    }
    start(false);
    // Any error is shown before the window, with nothing to stand on.
    ASSERT_EQ(interaction.summary().size(), c.errors.size());
    for (size_t i = 0; i < c.errors.size(); ++i) {
        EXPECT_EQ(interaction.events[i].kind, "error");
        EXPECT_EQ(interaction.events[i].text, c.errors[i]);
        EXPECT_EQ(interaction.events[i].title, "orgola_s");
        EXPECT_FALSE(interaction.events[i].hadParent);
    }
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    EXPECT_EQ(form->frameGeometry(), c.frame);
    for (const char* name : kAllOptions) {
        const bool expected = std::find_if(c.checked.begin(), c.checked.end(), [&](const char* n) {
                                  return std::string(n) == name;
                              }) != c.checked.end();
        EXPECT_EQ(option(name)->isChecked(), expected) << name;
    }
    EXPECT_FALSE(option("RBsinai")->isVisible());
    EXPECT_EQ(field("Ekai")->text().toStdString(), c.repeatCount);
    EXPECT_EQ(field("Ejikan")->text().toStdString(), c.delay);
    EXPECT_EQ(caption("Label4").toStdString(), c.display);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), c.focus);
    EXPECT_EQ(form->windowTitle().toStdString(), "orgola\u3000設定");
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartUpTest,
    ::testing::Values(
        StartUpCase{"NoFile",
                    std::nullopt,
                    {"ファイルが見つかりません."},
                    kDefaultFrame,
                    kDefaultChecks,
                    "1",
                    "0",
                    "0 分 0秒後に鳴る",
                    "RBakarui"},
        StartUpCase{"ZeroBytes",
                    "",
                    {"'' は整数ではありません."},
                    kDefaultFrame,
                    kDefaultChecks,
                    "1",
                    "0",
                    "0 分 0秒後に鳴る",
                    "RBakarui"},
        // Width and height are applied, the rest of the file is not.
        StartUpCase{"BadLeft",
                    "700\r\n300\r\nabc\r\n50\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\n"
                    "TRUE\r\nFALSE\r\n4\r\n6\r\n",
                    {"'abc' は整数ではありません."},
                    QRect(283, 172, 700, 300),
                    kDefaultChecks,
                    "1",
                    "0",
                    "0 分 0秒後に鳴る",
                    "RBakarui"},
        // Everything is applied; only the delay display cannot follow.
        StartUpCase{"DelayNotInteger",
                    "700\r\n300\r\n40\r\n50\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\n"
                    "TRUE\r\nFALSE\r\n4\r\nabc\r\n",
                    {"'abc' は整数ではありません."},
                    QRect(40, 50, 700, 300),
                    {"RB45", "RBhidaspx", "RBkurai"},
                    "4",
                    "abc",
                    "0 分 0秒後に鳴る",
                    "RBkurai"},
        // The hidden option clears both visible ones, and the focus starts in the count.
        StartUpCase{"HiddenOptionChecked",
                    settingsLines("1", "125", "TFTFFFT"),
                    {},
                    kDefaultFrame,
                    {"RB2313", "RBtomori", "RBsinai"},
                    "1",
                    "125",
                    "2 分 5 秒後に鳴る",
                    "Ekai"},
        StartUpCase{"TwelveLines",
                    "745\r\n210\r\n283\r\n172\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n"
                    "FALSE\r\nFALSE\r\n3\r\n",
                    {"'' は整数ではありません."},
                    kDefaultFrame,
                    kDefaultChecks,
                    "3",
                    "",
                    "0 分 0秒後に鳴る",
                    "RBakarui"},
        // A rectangle on no screen could never be reached: the default place, the saved size.
        StartUpCase{"OffEveryScreen",
                    "600\r\n250\r\n-5000\r\n-5000\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n"
                    "FALSE\r\nFALSE\r\n1\r\n-125\r\n",
                    {},
                    QRect(283, 172, 600, 250),
                    kDefaultChecks,
                    "1",
                    "-125",
                    "-2 分 -5 秒後に鳴る",
                    "RBakarui"},
        // Partly on a screen is reachable: exactly where saved.
        StartUpCase{"PartlyOnScreen",
                    "600\r\n250\r\n700\r\n500\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n"
                    "FALSE\r\nFALSE\r\n1\r\n60\r\n",
                    {},
                    QRect(700, 500, 600, 250),
                    kDefaultChecks,
                    "1",
                    "60",
                    "1 分 0 秒後に鳴る",
                    "RBakarui"}),
    [](const auto& info) { return info.param.name; });

TEST_F(WindowTest, JapaneseTextGetsAJapaneseFont) {
    writeSettings(settingsLines());
    start();
    // "ＭＳ Ｐゴシック" is not on Linux; without the fallbacks it resolves to a Latin font.
    const QFontInfo used(control<QLabel>("Label4")->font());
    EXPECT_TRUE(used.family().contains(QStringLiteral("Gothic")) ||
                used.family().contains(QStringLiteral("CJK")))
        << used.family().toStdString();
    EXPECT_EQ(used.pixelSize(), 12);
    EXPECT_EQ(QFontInfo(control<TPanel>("Panel2")->font()).pixelSize(), 21);
}

}  // namespace
}  // namespace orgola::test
