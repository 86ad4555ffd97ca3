#include <sys/stat.h>

#include <QClipboard>
#include <QScrollBar>
#include <filesystem>

#include "WindowFixture.h"

namespace orgola::test {
namespace {

std::string golden(const std::string& name) {
    return readBytes(std::string(ORGOLA_GOLDEN_DIR) + "/" + name);
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

const std::vector<std::string> kSetSucceeded = {"pause: 2000",
                                                "message: orgolaの設定が終わりました"};

TEST_F(WindowTest, SetWithTheDefaultsWritesTheScriptConfirmsSavesAndCloses) {
    start();  // no settings file yet: one error box, then the defaults
    interaction.events.clear();

    click("Panel2");

    EXPECT_EQ(readBytes(scriptPath()), golden("upload_defaults.bat"));
    EXPECT_EQ(interaction.summary(), kSetSucceeded);
    EXPECT_EQ(interaction.events[1].title, "orgola_s");
    EXPECT_EQ(readBytes(settingsPath()), settingsLines("1", "0"));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowTest, SetWritesTheChoicesMadeInTheWindowAndSavesTheRoundedDelay) {
    writeSettings(settingsLines());
    start();
    for (const char* name : {"RB45", "RBhidaspx", "RBkurai"}) {
        QTest::mouseClick(option(name), Qt::LeftButton);
    }
    field("Ekai")->setText("3");
    field("Ejikan")->setText("13");

    click("Panel2");

    EXPECT_EQ(readBytes(scriptPath()), golden("upload_attiny45_hidaspx_dark_3_13.bat"));
    EXPECT_EQ(interaction.summary(), kSetSucceeded);
    EXPECT_EQ(readBytes(settingsPath()),
              "745\r\n210\r\n283\r\n172\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n"
              "FALSE\r\n3\r\n12\r\n");
    EXPECT_FALSE(form->isVisible());
}

// Set stopping at a delay it cannot use: the error box, no file, the window open, and the
// state the failure point leaves.
struct SetFailure {
    const char* name;
    const char* delay;
    const char* message;
    const char* delayAfter;  // the delay field after the failure
    const char* bufferEnd;   // how the script buffer (Label2) ends
};

void PrintTo(const SetFailure& c, std::ostream* out) {
    *out << c.name;
}

class SetFailureTest : public WindowTest, public ::testing::WithParamInterface<SetFailure> {};

TEST_P(SetFailureTest, StopsWithTheWindowOpen) {
    const SetFailure& c = GetParam();
    writeSettings(settingsLines("1", "8"));
    start();
    const std::string settingsBefore = readBytes(settingsPath());
    const QSize contentBefore = form->widget()->size();
    field("Ejikan")->setText(c.delay);

    click("Panel2");

    EXPECT_EQ(interaction.summary(), std::vector<std::string>{std::string("error: ") + c.message});
    EXPECT_TRUE(interaction.events[0].hadParent);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(exists(scriptPath()));
    EXPECT_EQ(readBytes(settingsPath()), settingsBefore);
    EXPECT_EQ(field("Ejikan")->text().toStdString(), c.delayAfter);
    EXPECT_EQ(caption("Label4").toStdString(), "0 分 8 秒後に鳴る");  // not refreshed
    const std::string buffer = caption("Label2").toStdString();
    EXPECT_EQ(buffer.rfind("@echo off\n", 0), 0u);
    EXPECT_TRUE(buffer.ends_with(c.bufferEnd)) << buffer;
    // The buffer label grows, and the scrolled content with it.
    EXPECT_GT(form->widget()->height(), contentBefore.height());
    EXPECT_GT(form->verticalScrollBar()->maximum(), 0);

    // The next click starts the buffer afresh.
    field("Ejikan")->setText("2");
    click("Panel2");
    EXPECT_EQ(interaction.summary().back(), kSetSucceeded.back());
    EXPECT_NE(readBytes(scriptPath()).find("=1 -DFIXED_DOWN_TIMER_SEC=1 tonefw.c"),
              std::string::npos);
    EXPECT_FALSE(form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Delays, SetFailureTest,
    ::testing::Values(SetFailure{"NotInteger", "abc", "'abc' は整数ではありません.", "abc",
                                 "avr-gcc -Os -mmcu=attiny2313"},
                      SetFailure{"Hexadecimal", "$1E", "'$1E' は浮動小数点数ではありません.", "$1E",
                                 "-DEND_REPEAT_NUM=1"},
                      SetFailure{"RoundsTo2To31", "2147483647",
                                 "'2147483648' は整数ではありません.", "2147483648",
                                 "-DEND_REPEAT_NUM=1"},
                      SetFailure{"TrailingSpace", "8 ", "'8 ' は整数ではありません.", "8 ",
                                 "avr-gcc -Os -mmcu=attiny2313"}),
    [](const auto& info) { return info.param.name; });

TEST_F(WindowTest, SetRefusesARepeatCountThatWouldAddCommandsToTheScript) {
    writeSettings(settingsLines("1 & echo owned", "13"));
    start();
    const std::string settingsBefore = readBytes(settingsPath());

    click("Panel2");

    EXPECT_EQ(
        interaction.summary(),
        std::vector<std::string>{"error: '1 & echo owned' には使えない文字が含まれています."});
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(exists(scriptPath()));
    EXPECT_EQ(readBytes(settingsPath()), settingsBefore);
    EXPECT_EQ(field("Ejikan")->text().toStdString(), "13");  // refused before the rounding
    EXPECT_TRUE(caption("Label2").endsWith("-DEND_REPEAT_NUM="));

    // Mended, the same window writes the script.
    field("Ekai")->setText("1");
    click("Panel2");
    EXPECT_TRUE(exists(scriptPath()));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowTest, SetThatCannotWriteTheScriptKeepsTheRoundedDelayAndTheWindow) {
    writeSettings(settingsLines("1", "13"));
    start();
    std::filesystem::create_directory(scriptPath());  // a folder where the script belongs
    const std::string settingsBefore = readBytes(settingsPath());

    click("Panel2");

    EXPECT_EQ(interaction.summary(),
              std::vector<std::string>{"error: ファイルへのアクセスが拒否されました."});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(field("Ejikan")->text().toStdString(), "12");
    EXPECT_EQ(caption("Label4").toStdString(), "0 分 13 秒後に鳴る");
    EXPECT_EQ(readBytes(settingsPath()), settingsBefore);
    EXPECT_TRUE(std::filesystem::is_empty(scriptPath())) << "the folder is left as it was";
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"orgola_s.ini", "upload.bat"}));
}

TEST_F(WindowTest, SetThatCannotSaveTheSettingsKeepsTheScriptAndTheWindow) {
    writeSettings(settingsLines());
    start();
    std::filesystem::remove(settingsPath());
    std::filesystem::create_directory(settingsPath());

    click("Panel2");

    EXPECT_EQ(readBytes(scriptPath()), golden("upload_defaults.bat"));
    std::vector<std::string> expected = kSetSucceeded;
    expected.push_back("error: ファイルへのアクセスが拒否されました.");
    EXPECT_EQ(interaction.summary(), expected);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(WindowTest, ExitSavesTheWindowAndCloses) {
    writeSettings(
        "700\r\n300\r\n40\r\n50\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\nTRUE\r\n"
        "x9\r\n-7\r\n");
    start();
    field("Ekai")->setText("２回");  // saved as code page 932

    click("Panel1");

    EXPECT_TRUE(interaction.events.empty());
    EXPECT_EQ(readBytes(settingsPath()),
              "700\r\n300\r\n40\r\n50\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\n"
              "TRUE\r\n\x82\x51\x89\xf1\r\n-7\r\n");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WindowTest, PastedLineBreaksCannotShiftTheSettingsLines) {
    writeSettings(settingsLines());
    start();
    QApplication::clipboard()->setText("7\r\n& echo owned");
    field("Ekai")->selectAll();
    field("Ekai")->paste();
    field("Ejikan")->setText("4\n5");

    click("Panel1");

    EXPECT_EQ(readBytes(settingsPath()), settingsLines("7", "4"));
}

TEST_F(WindowTest, ExitThatCannotSaveKeepsTheWindowOpen) {
    writeSettings(settingsLines());
    start();
    ::chmod(settingsPath().c_str(), 0444);

    click("Panel1");

    EXPECT_EQ(interaction.summary(),
              std::vector<std::string>{"error: ファイルへのアクセスが拒否されました."});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(readBytes(settingsPath()), settingsLines());
}

TEST_F(WindowTest, ExitAfterAMissingFileCreatesIt) {
    start();
    click("Panel1");
    EXPECT_EQ(readBytes(settingsPath()), settingsLines());
}

TEST_F(WindowTest, ClosingAnyOtherWaySavesNothing) {
    writeSettings(settingsLines("1", "125"));
    start();
    QTest::mouseClick(option("RB45"), Qt::LeftButton);
    field("Ekai")->setText("9");

    form->close();

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readBytes(settingsPath()), settingsLines("1", "125"));
    EXPECT_FALSE(exists(scriptPath()));
}

TEST_F(WindowTest, PanelsActOnlyOnAClickReleasedOverThem) {
    writeSettings(settingsLines());
    start();
    auto* panel = control<TPanel>("Panel1");
    QTest::mousePress(panel, Qt::LeftButton);
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mouseClick(panel, Qt::RightButton);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(panel->focusPolicy(), Qt::NoFocus);
}

// The client area scrolls over the controls: a scroll bar exactly in each direction in which it
// is smaller than the content (713 x 196).
struct ScrollCase {
    QSize client;
    bool horizontal;
    bool vertical;
};

class ScrollTest : public WindowTest, public ::testing::WithParamInterface<ScrollCase> {};

TEST_P(ScrollTest, ShowsScrollBarsWhereTheClientAreaIsSmaller) {
    writeSettings(settingsLines());
    start();
    form->resize(GetParam().client);
    QApplication::processEvents();
    EXPECT_EQ(form->widget()->size(), QSize(713, 196));
    EXPECT_EQ(form->horizontalScrollBar()->isVisible(), GetParam().horizontal);
    EXPECT_EQ(form->verticalScrollBar()->isVisible(), GetParam().vertical);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScrollTest,
                         ::testing::Values(ScrollCase{{745, 210}, false, false},
                                           ScrollCase{{743, 185}, false, true},
                                           ScrollCase{{700, 300}, true, false},
                                           ScrollCase{{600, 100}, true, true}));

}  // namespace
}  // namespace orgola::test
