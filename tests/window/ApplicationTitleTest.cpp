#include <gtest/gtest.h>

#include "ApplicationTitle.h"
#include "WindowPlacement.h"

namespace {

struct TitleCase {
    const char* path;
    const char* title;
};

class ApplicationTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitleTest, IsTheFileNameUpToItsFirstFullStop) {
    EXPECT_EQ(applicationTitle(QString::fromUtf8(GetParam().path)).toStdString(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Paths, ApplicationTitleTest,
                         ::testing::Values(TitleCase{"/usr/bin/orgola_s", "orgola_s"},
                                           TitleCase{"C:\\kit\\orgola_s.exe", "orgola_s"},
                                           TitleCase{"C:\\Kit\\Orgola_S.EXE", "Orgola_s"},
                                           TitleCase{"/opt/ORGOLA.tool.exe", "Orgola"},
                                           TitleCase{"/opt/.hidden", ""},
                                           TitleCase{"/opt/設定ＡＢ", "設定ａｂ"}));

struct PlacementCase {
    QRect saved;
    QPoint position;
};

class ReachablePositionTest : public ::testing::TestWithParam<PlacementCase> {};

// Two screens side by side; a window anywhere on either opens where it was saved.
TEST_P(ReachablePositionTest, KeepsAnyRectangleThatTouchesAScreen) {
    const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(reachablePosition(GetParam().saved, screens, QPoint(283, 172)), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, ReachablePositionTest,
    ::testing::Values(PlacementCase{QRect(283, 172, 745, 210), QPoint(283, 172)},
                      PlacementCase{QRect(3000, 900, 745, 210), QPoint(3000, 900)},
                      PlacementCase{QRect(-744, -209, 745, 210), QPoint(-744, -209)},
                      PlacementCase{QRect(-745, 100, 745, 210), QPoint(283, 172)},
                      PlacementCase{QRect(2500, 1024, 745, 210), QPoint(283, 172)},
                      PlacementCase{QRect(5000, 100, 745, 210), QPoint(283, 172)},
                      PlacementCase{QRect(100, 100, 0, 0), QPoint(283, 172)}));

}  // namespace
