#include "ModalInteraction.h"

#include <QMessageBox>
#include <thread>

namespace {

void showBox(QMessageBox::Icon icon, QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // messages quote what the user typed
    box.exec();
}

}  // namespace

void ModalInteraction::showError(QWidget* parent, const QString& title, const QString& text) {
    showBox(QMessageBox::Critical, parent, title, text);
}

void ModalInteraction::showMessage(QWidget* parent, const QString& title, const QString& text) {
    showBox(QMessageBox::NoIcon, parent, title, text);
}

void ModalInteraction::pause(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}
