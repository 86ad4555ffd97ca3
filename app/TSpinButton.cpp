#include "TSpinButton.h"

#include <QBitmap>
#include <QPixmap>
#include <QToolButton>

namespace {

// The glyph files draw their margin in olive, which stands for transparent.
QIcon glyph(const QString& path) {
    QPixmap pixmap(path);
    pixmap.setMask(pixmap.createMaskFromColor(QColor(128, 128, 0)));
    return QIcon(pixmap);
}

QToolButton* half(QWidget* parent, const QString& glyphPath) {
    auto* button = new QToolButton(parent);
    button->setIcon(glyph(glyphPath));
    button->setIconSize(QSize(9, 6));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent),
      up_(half(this, QStringLiteral(":/glyphs/SpinUp.xpm"))),
      down_(half(this, QStringLiteral(":/glyphs/SpinDown.xpm"))) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, &TSpinButton::upClick);
    connect(down_, &QToolButton::clicked, this, &TSpinButton::downClick);
}

void TSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
