#include "WindowPlacement.h"

#include <algorithm>

QPoint reachablePosition(const QRect& saved, const QList<QRect>& screens, const QPoint& fallback) {
    const bool onSomeScreen = std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) {
        return screen.intersects(saved);
    });
    return onSomeScreen ? saved.topLeft() : fallback;
}
