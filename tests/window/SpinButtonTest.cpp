#include <QMouseEvent>

#include "DelayDisplay.h"
#include "SpinHalfButton.h"
#include "TSpinButton.h"
#include "WindowFixture.h"

namespace orgola::test {
namespace {

constexpr QPoint kInside(5, 4);
constexpr QPoint kOutside(40, 4);

// Mouse events for a half, as the platform delivers them while the left button is held: they
// keep going to the half that was pressed, wherever the pointer is.
void press(QWidget* half) {
    QTest::mousePress(half, Qt::LeftButton, {}, kInside);
}
void moveHeld(QWidget* half, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(half->mapToGlobal(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(half, &move);
}
void release(QWidget* half, QPoint at = kInside) {
    QTest::mouseRelease(half, Qt::LeftButton, {}, at);
}

class SpinButtonTest : public WindowTest {
protected:
    void startWith(const std::string& repeatCount, const std::string& delay) {
        writeSettings(settingsLines(repeatCount, delay));
        start();
    }
    SpinHalfButton* half(const char* spinButton, bool up) const {
        auto* spin = control<TSpinButton>(spinButton);
        return up ? spin->upButton() : spin->downButton();
    }
    std::string text(const char* name) const { return field(name)->text().toStdString(); }
    std::string display() const { return caption("Label4").toStdString(); }
};

// Which half steps which field, and whether the delay display follows.
struct Click {
    const char* name;
    const char* spinButton;
    bool up;
    const char* repeatCount;
    const char* delay;
    const char* repeatCountAfter;
    const char* delayAfter;
    const char* displayAfter;
};

class SpinButtonClick : public SpinButtonTest, public ::testing::WithParamInterface<Click> {};

TEST_P(SpinButtonClick, StepsItsFieldOnce) {
    const Click& c = GetParam();
    startWith(c.repeatCount, c.delay);
    QTest::mouseClick(half(c.spinButton, c.up), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(text("Ekai"), c.repeatCountAfter);
    EXPECT_EQ(text("Ejikan"), c.delayAfter);
    EXPECT_EQ(display(), c.displayAfter);
    EXPECT_TRUE(interaction.events.empty()) << interaction.summary().front();
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SpinButtonClick,
    ::testing::Values(
        Click{"DelayUp", "SpinButton1", true, "1", "58", "1", "60", "1 分 0 秒後に鳴る"},
        Click{"DelayUpFromOdd", "SpinButton1", true, "1", "7", "1", "8", "0 分 8 秒後に鳴る"},
        Click{"DelayDown", "SpinButton1", false, "1", "7", "1", "4", "0 分 4 秒後に鳴る"},
        Click{"DelayDownStopsAtZero", "SpinButton1", false, "1", "0", "1", "0",
              "0 分 0 秒後に鳴る"},
        Click{"NegativeDelayUp", "SpinButton1", true, "1", "-5", "1", "-2", "0 分 -2 秒後に鳴る"},
        Click{"NegativeDelayDown", "SpinButton1", false, "1", "-61", "1", "0", "0 分 0 秒後に鳴る"},
        Click{"HexadecimalDelayUp", "SpinButton1", true, "1", "$3A", "1", "60",
              "1 分 0 秒後に鳴る"},
        // The repeat count leaves the display as it was (125 seconds, shown at start).
        Click{"RepeatCountUp", "SpinButton2", true, "1", "125", "2", "125", "2 分 5 秒後に鳴る"},
        Click{"RepeatCountDownStopsAtOne", "SpinButton2", false, "1", "125", "1", "125",
              "2 分 5 秒後に鳴る"},
        Click{"RepeatCountWrapsAround", "SpinButton2", true, "2147483647", "0", "-2147483648", "0",
              "0 分 0 秒後に鳴る"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpinButtonTest, RepeatCountChangesDoNotRefreshTheDelayDisplay) {
    startWith("5", "0");
    field("Ejikan")->setText("125");  // typed, not yet left
    QTest::mouseClick(half("SpinButton2", false), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(text("Ekai"), "4");
    EXPECT_EQ(display(), "0 分 0 秒後に鳴る");
}

TEST_F(SpinButtonTest, HeldOverTheHalfItRepeatsUntilReleased) {
    startWith("1", "0");
    SpinHalfButton* up = half("SpinButton1", true);
    press(up);
    EXPECT_TRUE(up->isDown());
    QTest::qWait(250);
    EXPECT_EQ(text("Ejikan"), "0") << "no repeat before 400 ms";
    QTest::qWait(750);  // 1,000 ms held: repeats at 400, 500, ..., 1,000 ms at most
    release(up);
    EXPECT_FALSE(up->isDown());

    // The repeats and the release's own click, each a step of 2.
    const int steps = field("Ejikan")->text().toInt() / 2;
    EXPECT_GE(steps, 1 + 2);  // a busy machine may delay a few repeats
    EXPECT_LE(steps, 1 + 7);
    EXPECT_EQ(display(), delayDisplayText(text("Ejikan")));

    const QString afterRelease = field("Ejikan")->text();
    QTest::qWait(300);
    EXPECT_EQ(field("Ejikan")->text(), afterRelease) << "a release ends the repeating";
}

TEST_F(SpinButtonTest, PointerOffTheHeldHalfNeitherRepeatsNorClicks) {
    startWith("5", "0");
    SpinHalfButton* down = half("SpinButton2", false);
    press(down);
    moveHeld(down, kOutside);
    EXPECT_FALSE(down->isDown());
    QTest::qWait(800);
    EXPECT_EQ(text("Ekai"), "5");
    release(down, kOutside);
    EXPECT_EQ(text("Ekai"), "5");

    // Back over the half while still held, the repeats go on.
    press(down);
    moveHeld(down, kOutside);
    QTest::qWait(450);
    moveHeld(down, kInside);
    EXPECT_TRUE(down->isDown());
    QTest::qWait(250);
    release(down, kOutside);
    EXPECT_LT(field("Ekai")->text().toInt(), 5);
}

TEST_F(SpinButtonTest, OnlyTheLeftButtonSteps) {
    startWith("5", "0");
    QTest::mouseClick(half("SpinButton2", true), Qt::RightButton, {}, kInside);
    QTest::mouseClick(half("SpinButton2", true), Qt::MiddleButton, {}, kInside);
    EXPECT_EQ(text("Ekai"), "5");
}

// A field that is no integer shows one box per press however long the press, keeps its text,
// and keeps the focus. The box is answered at once, or kept open a while as a user would.
class FailingSpinButton : public SpinButtonTest,
                          public ::testing::WithParamInterface<std::chrono::milliseconds> {};

TEST_P(FailingSpinButton, ShowsOneErrorBoxPerPress) {
    interaction.errorBoxOpenFor = GetParam();
    startWith("abc", "2.5");
    const std::string displayBefore = display();
    struct Field {
        const char* name;
        const char* spinButton;
        const char* text;
    };
    for (const Field& f :
         {Field{"Ejikan", "SpinButton1", "2.5"}, Field{"Ekai", "SpinButton2", "abc"}}) {
        for (const bool up : {true, false}) {
            field(f.name)->setFocus();
            interaction.events.clear();  // leaving the delay field reports its text too
            SpinHalfButton* held = half(f.spinButton, up);
            press(held);
            QTest::qWait(1200);
            moveHeld(held, kOutside);  // moving on does not press it again
            moveHeld(held, kInside);
            EXPECT_FALSE(held->isDown());
            release(held);

            EXPECT_EQ(interaction.summary(),
                      std::vector<std::string>{"error: '" + std::string(f.text) +
                                               "' は整数ではありません."})
                << f.name << (up ? " up" : " down");
            EXPECT_EQ(text(f.name), f.text);
            EXPECT_EQ(QApplication::focusWidget(), field(f.name));
        }
    }
    EXPECT_EQ(display(), displayBefore);
}

INSTANTIATE_TEST_SUITE_P(Boxes, FailingSpinButton,
                         ::testing::Values(std::chrono::milliseconds(0),
                                           std::chrono::milliseconds(600)),
                         [](const auto& info) {
                             return info.param.count() == 0 ? std::string("AnsweredAtOnce")
                                                            : std::string("KeptOpen");
                         });

TEST_F(SpinButtonTest, FailingClickShowsOneBoxAndTheNextPressStepsAgain) {
    startWith("1", "abc");
    interaction.events.clear();
    QTest::mouseClick(half("SpinButton1", true), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(interaction.summary(),
              std::vector<std::string>{"error: 'abc' は整数ではありません."});
    EXPECT_TRUE(interaction.events[0].hadParent);
    field("Ejikan")->setText("10");
    QTest::mouseClick(half("SpinButton1", true), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(text("Ejikan"), "12");
}

TEST_F(SpinButtonTest, TypingInTheDelayThenClickingASpinButtonKeepsTheFocusThere) {
    startWith("1", "0");
    QLineEdit* delay = field("Ejikan");
    delay->setFocus();
    delay->selectAll();
    QTest::keyClicks(delay, "61");

    QTest::mouseClick(half("SpinButton2", true), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(QApplication::focusWidget(), delay);
    EXPECT_EQ(display(), "0 分 0 秒後に鳴る") << "the delay field was not left";

    QTest::mouseClick(half("SpinButton1", true), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(QApplication::focusWidget(), delay);
    EXPECT_EQ(text("Ejikan"), "62");
    EXPECT_EQ(display(), "1 分 2 秒後に鳴る");
    EXPECT_TRUE(interaction.events.empty());
}

}  // namespace
}  // namespace orgola::test
