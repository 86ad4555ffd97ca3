#pragma once

#include <QEventLoop>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <string>
#include <vector>

#include "UserInteraction.h"

namespace orgola::test {

// Answers every box and records what the window showed and how long it paused. An error box
// answers at once, or after keeping the event loop running for errorBoxOpenFor, as a modal box
// does while the user reads it.
class RecordingInteraction : public UserInteraction {
public:
    struct Event {
        std::string kind;  // "error", "message" or "pause"
        std::string text;  // the box's text, or the pause in milliseconds
        std::string title;
        bool hadParent = false;
    };

    void showError(QWidget* parent, const QString& title, const QString& text) override {
        events.push_back({"error", text.toStdString(), title.toStdString(), parent != nullptr});
        if (errorBoxOpenFor.count() > 0) {
            QEventLoop box;
            QTimer::singleShot(errorBoxOpenFor, &box, &QEventLoop::quit);
            box.exec();
        }
    }
    void showMessage(QWidget* parent, const QString& title, const QString& text) override {
        events.push_back({"message", text.toStdString(), title.toStdString(), parent != nullptr});
    }
    void pause(std::chrono::milliseconds duration) override {
        events.push_back({"pause", std::to_string(duration.count()), {}, false});
    }

    // "kind: text" for each event, in order, for compact comparisons.
    std::vector<std::string> summary() const {
        std::vector<std::string> result;
        for (const Event& event : events) {
            result.push_back(event.kind + ": " + event.text);
        }
        return result;
    }

    std::vector<Event> events;
    std::chrono::milliseconds errorBoxOpenFor{0};
};

}  // namespace orgola::test
