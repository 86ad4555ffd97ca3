#pragma once

#include <QString>
#include <chrono>

class QWidget;

// What the window asks of the person in front of it, and its one blocking wait. The program
// uses modal boxes and a real sleep (ModalInteraction); tests answer through their own.
class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // The error box: stop icon, one OK button, the application title as caption.
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;
    // The plain message box with one OK button.
    virtual void showMessage(QWidget* parent, const QString& title, const QString& text) = 0;
    // Blocks the window's thread; the window does not respond meanwhile.
    virtual void pause(std::chrono::milliseconds duration) = 0;
};
