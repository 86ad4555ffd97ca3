#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where a window saved at `saved` (outer rectangle, screen coordinates) opens: exactly there,
// unless the rectangle lies wholly outside every screen, where nobody could reach the window
// (it has no window menu to move it with); then at `fallback`.
QPoint reachablePosition(const QRect& saved, const QList<QRect>& screens, const QPoint& fallback);
