#pragma once

#include "UserInteraction.h"

// The boxes a person answers, and a real sleep.
class ModalInteraction : public UserInteraction {
public:
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    void showMessage(QWidget* parent, const QString& title, const QString& text) override;
    void pause(std::chrono::milliseconds duration) override;
};
