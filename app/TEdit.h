#pragma once

#include <QLineEdit>

// A one-line edit field for numbers. It is typed directly, never through an input method, so
// that a Japanese input method left on elsewhere cannot turn the digits into full-width ones.
// Like a one-line Windows edit control, it keeps only the first line of pasted text: a line
// break in a field would shift the lines of the settings file.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
