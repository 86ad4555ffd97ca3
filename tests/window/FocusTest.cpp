#include <functional>

#include <QInputMethod>
#include <QInputMethodQueryEvent>
#include <QToolButton>

#include "SpinHalfButton.h"
#include "TSpinButton.h"
#include "WindowFixture.h"

namespace orgola::test {
namespace {

std::string focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? std::string("(none)") : focus->objectName().toStdString();
}

// The controls the focus visits, pressing `key` from the start focus until it comes back.
std::vector<std::string> focusCycle(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    std::vector<std::string> visited = {focusName()};
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        if (focusName() == visited.front()) {
            break;
        }
        visited.push_back(focusName());
    }
    return visited;
}

struct TabCase {
    const char* name;
    std::string file;
    std::vector<const char*> clicked;  // options clicked before tabbing
    std::vector<std::string> cycle;
};

void PrintTo(const TabCase& c, std::ostream* out) {
    *out << c.name;
}

class TabCycleTest : public WindowTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabCycleTest, VisitsTheCheckedOptionsAndTheFields) {
    const TabCase& c = GetParam();
    writeSettings(c.file);
    start();
    for (const char* name : c.clicked) {
        QTest::mouseClick(option(name), Qt::LeftButton);
        ASSERT_TRUE(option(name)->isChecked());
    }
    EXPECT_EQ(focusCycle(Qt::Key_Tab), c.cycle);

    std::vector<std::string> backwards(c.cycle.rbegin(), c.cycle.rend() - 1);
    backwards.insert(backwards.begin(), c.cycle.front());
    EXPECT_EQ(focusCycle(Qt::Key_Backtab, Qt::ShiftModifier), backwards);
    EXPECT_TRUE(interaction.events.empty());
}

const std::string kDefaults = settingsLines();
const std::string kOthersChecked = settingsLines("1", "0", "FTFTFTF");
const std::string kHiddenChecked = settingsLines("1", "0", "TFTFFFT");

INSTANTIATE_TEST_SUITE_P(
    Options, TabCycleTest,
    ::testing::Values(
        TabCase{"Defaults", kDefaults, {}, {"RBakarui", "Ekai", "Ejikan", "RB2313", "RBtomori"}},
        TabCase{"OthersChecked",
                kOthersChecked,
                {},
                {"RBkurai", "Ekai", "Ejikan", "RB45", "RBhidaspx"}},
        // The tab stop moves with the check (and the click leaves the focus on that option).
        TabCase{"CheckMovedByClick",
                kDefaults,
                {"RB45", "RBkurai"},
                {"RBkurai", "Ekai", "Ejikan", "RB45", "RBtomori"}},
        TabCase{"HiddenChecked", kHiddenChecked, {}, {"Ekai", "Ejikan", "RB2313", "RBtomori"}}),
    [](const auto& info) { return info.param.name; });

// Ways of leaving the delay field, and whether each one refreshes the delay display.
struct ExitCase {
    const char* name;
    std::function<void(WindowTest&)> move;
    bool refreshes;
};

void PrintTo(const ExitCase& c, std::ostream* out) {
    *out << c.name;
}

class DelayExitTest : public WindowTest, public ::testing::WithParamInterface<ExitCase> {
public:
    using WindowTest::control;
    using WindowTest::option;
};

TEST_P(DelayExitTest, RefreshesOnlyWhenTheFocusGoesToAnotherControl) {
    writeSettings(settingsLines("1", "0"));
    start();
    QLineEdit* delay = field("Ejikan");
    delay->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), delay);

    delay->setText("abc");
    GetParam().move(*this);
    if (GetParam().refreshes) {
        EXPECT_EQ(interaction.summary(),
                  std::vector<std::string>{"error: 'abc' は整数ではありません."});
        EXPECT_TRUE(interaction.events[0].hadParent);
    } else {
        EXPECT_TRUE(interaction.events.empty());
    }
    EXPECT_EQ(caption("Label4").toStdString(), "0 分 0 秒後に鳴る");  // kept after a failure
    EXPECT_EQ(delay->text().toStdString(), "abc");

    // With an integer, the same move refreshes the display.
    delay->setFocus();
    delay->setText("125");
    GetParam().move(*this);
    EXPECT_EQ(caption("Label4").toStdString(),
              GetParam().refreshes ? "2 分 5 秒後に鳴る" : "0 分 0 秒後に鳴る");
}

INSTANTIATE_TEST_SUITE_P(
    Moves, DelayExitTest,
    ::testing::Values(
        ExitCase{"Tab",
                 [](WindowTest&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); },
                 true},
        ExitCase{"ShiftTab",
                 [](WindowTest&) {
                     QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                     Qt::ShiftModifier);
                 },
                 true},
        ExitCase{"ClickOnOption",
                 [](WindowTest& t) {
                     QTest::mouseClick(static_cast<DelayExitTest&>(t).option("RB45"),
                                       Qt::LeftButton);
                 },
                 true},
        ExitCase{"ClickOnRepeatCount",
                 [](WindowTest& t) {
                     QTest::mouseClick(static_cast<DelayExitTest&>(t).control<QLineEdit>("Ekai"),
                                       Qt::LeftButton);
                 },
                 true},
        ExitCase{"ClickOnSpinButton",
                 [](WindowTest& t) {
                     auto* spin =
                         static_cast<DelayExitTest&>(t).control<TSpinButton>("SpinButton2");
                     QTest::mouseClick(spin->upButton(), Qt::LeftButton);
                 },
                 false},
        ExitCase{"ClickOnLabelAndGroupBox",
                 [](WindowTest& t) {
                     auto& test = static_cast<DelayExitTest&>(t);
                     QTest::mouseClick(test.control<QLabel>("Label5"), Qt::LeftButton);
                     QTest::mouseClick(test.control<QWidget>("GroupBox4"), Qt::LeftButton, {},
                                       QPoint(120, 100));
                     QTest::mouseClick(test.control<QWidget>("ClientArea"), Qt::LeftButton, {},
                                       QPoint(700, 180));
                 },
                 false},
        ExitCase{"OtherWindow",
                 [](WindowTest&) {
                     static QWidget other;
                     other.show();
                     other.activateWindow();
                     ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
                     other.hide();
                 },
                 false}),
    [](const auto& info) { return info.param.name; });

TEST_F(WindowTest, FieldsTakeNoInputMethodText) {
    writeSettings(settingsLines());
    start();
    for (const char* name : {"Ekai", "Ejikan"}) {
        QLineEdit* edit = field(name);
        edit->setAttribute(Qt::WA_InputMethodEnabled, true);  // as if switched on meanwhile
        edit->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), edit);
        // What the platform's input method asks the focused control.
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(QGuiApplication::focusObject(), &query);
        EXPECT_FALSE(query.value(Qt::ImEnabled).toBool()) << name;
        EXPECT_FALSE(QInputMethod::queryFocusObject(Qt::ImEnabled, {}).toBool()) << name;
        EXPECT_FALSE(edit->testAttribute(Qt::WA_InputMethodEnabled)) << name;
    }
}

}  // namespace
}  // namespace orgola::test
