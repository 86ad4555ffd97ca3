#include "TSpinButton.h"

#include "SpinHalfButton.h"

// The arrow glyphs, compiled in: loading image files would start the image format plugins.
#include "SpinDown.xpm"
#include "SpinUp.xpm"

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent),
      up_(new SpinHalfButton(SpinUp, this)),
      down_(new SpinHalfButton(SpinDown, this)) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &SpinHalfButton::step, this, &TSpinButton::upClick);
    connect(down_, &SpinHalfButton::step, this, &TSpinButton::downClick);
}

void TSpinButton::endPress() {
    up_->endPress();
    down_->endPress();
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
