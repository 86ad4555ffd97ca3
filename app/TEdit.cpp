#include "TEdit.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QValidator>
#include <algorithm>

namespace {

class FirstLineOnly : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        const auto lineEnd = std::find_if(input.cbegin(), input.cend(),
                                          [](QChar c) { return c == u'\r' || c == u'\n'; });
        if (lineEnd != input.cend()) {
            const auto length = static_cast<int>(lineEnd - input.cbegin());
            input.truncate(length);
            position = std::min(position, length);
        }
        return Acceptable;
    }
};

}  // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new FirstLineOnly(this));
}

// The platform asks the focused control whether it takes input-method text; a line edit says
// yes whenever it is editable, whatever its attribute says.
QVariant TEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    return inputMethodQuery(query, QVariant());
}

QVariant TEdit::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const {
    if (query == Qt::ImEnabled) {
        return false;
    }
    return QLineEdit::inputMethodQuery(query, argument);
}

// Each time the field gets the focus, the input method is switched off for it.
void TEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QGuiApplication::inputMethod()->update(Qt::ImEnabled);
}
