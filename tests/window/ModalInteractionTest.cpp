#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "ModalInteraction.h"

namespace {

struct ShownBox {
    bool shown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
};

// Shows a box the way the program does and reads it while it waits, then presses its OK.
ShownBox answerBox(const std::function<void()>& show) {
    ShownBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = {true,        box->icon(),      box->standardButtons(), box->windowTitle(),
                box->text(), box->textFormat()};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return seen;
}

struct BoxCase {
    const char* name;
    void (ModalInteraction::*show)(QWidget*, const QString&, const QString&);
    QMessageBox::Icon icon;
    const char* text;
};

void PrintTo(const BoxCase& c, std::ostream* out) {
    *out << c.name;
}

class ModalInteractionTest : public ::testing::TestWithParam<BoxCase> {};

// One OK button, the title as caption, and the text as given: a typed "<b>" shows as typed.
TEST_P(ModalInteractionTest, ShowsTheBoxWithOneOkAndTheTitle) {
    ModalInteraction interaction;
    const QString text = QString::fromUtf8(GetParam().text);
    const ShownBox box =
        answerBox([&] { (interaction.*GetParam().show)(nullptr, "orgola_s", text); });
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.icon, GetParam().icon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_EQ(box.title, "orgola_s");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.format, Qt::PlainText);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ModalInteractionTest,
    ::testing::Values(BoxCase{"Error", &ModalInteraction::showError, QMessageBox::Critical,
                              "'<b>1</b>' は整数ではありません."},
                      BoxCase{"Completion", &ModalInteraction::showMessage, QMessageBox::NoIcon,
                              "orgolaの設定が終わりました"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
