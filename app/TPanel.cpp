#include "TPanel.h"

#include <QMouseEvent>

TPanel::TPanel(QWidget* parent) : QLabel(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();  // the press is the panel's, not its parent's
    }
}

void TPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && pressed_ &&
                       rect().contains(event->position().toPoint());
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
        event->accept();
    }
    if (click) {
        emit clicked();
    }
}
