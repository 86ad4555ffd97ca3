#pragma once

#include <QString>
#include <functional>

class QWidget;
class UserInteraction;

// Runs an event handler's body and shows any error it raises in the error box, the way a
// handler's failure is reported everywhere in the window: the message with the full-stop rule,
// the application title as caption. Nothing escapes into Qt's event loop, and the window stays
// open. Gives whether the body ran to its end.
bool runHandler(UserInteraction& interaction, QWidget* parent, const QString& title,
                const std::function<void()>& body);
