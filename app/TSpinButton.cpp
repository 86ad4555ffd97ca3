#include "TSpinButton.h"

#include "SpinHalfButton.h"

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent),
      up_(new SpinHalfButton(QStringLiteral(":/glyphs/SpinUp.xpm"), this)),
      down_(new SpinHalfButton(QStringLiteral(":/glyphs/SpinDown.xpm"), this)) {
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
