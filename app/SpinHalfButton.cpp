#include "SpinHalfButton.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

namespace {

// The glyph files draw their margin in olive, which stands for transparent.
QIcon glyph(const char* const xpm[]) {
    QPixmap pixmap(xpm);
    pixmap.setMask(pixmap.createMaskFromColor(QColor(128, 128, 0)));
    return QIcon(pixmap);
}

}  // namespace

SpinHalfButton::SpinHalfButton(const char* const glyphXpm[], QWidget* parent)
    : QToolButton(parent) {
    setIcon(glyph(glyphXpm));
    setIconSize(QSize(9, 6));
    setFocusPolicy(Qt::NoFocus);
    repeatTimer_.setSingleShot(true);
    connect(&repeatTimer_, &QTimer::timeout, this, &SpinHalfButton::repeat);
    connect(this, &QToolButton::clicked, this, &SpinHalfButton::step);
}

void SpinHalfButton::endPress() {
    pressEnded_ = true;
    repeatTimer_.stop();
    setDown(false);
}

void SpinHalfButton::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isDown()) {
        held_ = true;
        pressEnded_ = false;
        repeatTimer_.start(kFirstRepeatMs);
    }
}

void SpinHalfButton::mouseMoveEvent(QMouseEvent* event) {
    if (pressEnded_) {
        event->ignore();  // an ended press does not show pressed again over the half
        return;
    }
    QToolButton::mouseMoveEvent(event);
}

void SpinHalfButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        held_ = false;
        repeatTimer_.stop();
    }
    QToolButton::mouseReleaseEvent(event);  // clicks when released over the half, still down
}

// The timer is stopped while the click runs, so a box the click opens cannot let further clicks
// in behind it.
void SpinHalfButton::repeat() {
    QPointer<SpinHalfButton> alive(this);
    if (isDown()) {  // down exactly while the pointer is over the half
        emit step();
    }
    if (alive && held_ && !pressEnded_) {  // the click neither released nor ended the press
        repeatTimer_.start(kRepeatMs);
    }
}
