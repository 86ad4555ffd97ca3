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

TEST(ModalInteraction, ErrorBoxHasTheStopIconOneOkAndTheTitle) {
    ModalInteraction interaction;
    const ShownBox box = answerBox(
        [&] { interaction.showError(nullptr, "orgola_s", "'<b>1</b>' は整数ではありません."); });
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_EQ(box.title, "orgola_s");
    EXPECT_EQ(box.text, "'<b>1</b>' は整数ではありません.");
    EXPECT_EQ(box.format, Qt::PlainText);  // a typed "<b>" shows as typed
}

TEST(ModalInteraction, CompletionMessageIsAPlainBoxWithOneOk) {
    ModalInteraction interaction;
    const ShownBox box = answerBox(
        [&] { interaction.showMessage(nullptr, "orgola_s", "orgolaの設定が終わりました"); });
    ASSERT_TRUE(box.shown);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_EQ(box.title, "orgola_s");
    EXPECT_EQ(box.text, "orgolaの設定が終わりました");
}

}  // namespace
