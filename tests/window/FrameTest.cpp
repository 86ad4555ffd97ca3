#include <QScrollBar>
#include <QWindow>

#include "WindowFixture.h"

// Under a real window manager, which adds a frame around the window once it is mapped.

namespace orgola::test {
namespace {

// Waits until the window manager has framed the window and the window has taken its place.
bool waitForFrame(TForm1& form, const QRect& outer) {
    return QTest::qWaitFor(
        [&] {
            return !form.windowHandle()->frameMargins().isNull() && form.frameGeometry() == outer;
        },
        5000);
}

class FrameTest : public WindowTest, public ::testing::WithParamInterface<QRect> {};

TEST_P(FrameTest, ReopensWithTheSameOuterRectangle) {
    const QRect outer = GetParam();
    writeSettings(std::to_string(outer.width()) + "\r\n" + std::to_string(outer.height()) + "\r\n" +
                  std::to_string(outer.x()) + "\r\n" + std::to_string(outer.y()) +
                  "\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\n1\r\n0\r\n");
    const std::string saved = readBytes(settingsPath());
    for (int run = 0; run < 3; ++run) {
        start();
        ASSERT_TRUE(waitForFrame(*form, outer)) << "run " << run;
        EXPECT_LT(form->height(), outer.height());  // the frame is part of the saved height
        click("Panel1");
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(readBytes(settingsPath()), saved) << "run " << run;
    }
    EXPECT_TRUE(interaction.events.empty());
}

INSTANTIATE_TEST_SUITE_P(Rectangles, FrameTest,
                         ::testing::Values(QRect(283, 172, 745, 210), QRect(50, 60, 800, 300)));

TEST_F(WindowTest, DefaultWindowScrollsToTheScriptBufferRow) {
    start();
    ASSERT_TRUE(waitForFrame(*form, QRect(283, 172, 745, 210)));
    QApplication::processEvents();
    // The title bar takes part of the 210 pixels: the client area is less than 196 high.
    EXPECT_TRUE(form->verticalScrollBar()->isVisible());
    EXPECT_FALSE(form->horizontalScrollBar()->isVisible());
}

}  // namespace
}  // namespace orgola::test
