#pragma once

#include <QTimer>
#include <QToolButton>

// One half of a spin button: a small button with an arrow glyph that never takes the focus.
// Pressed with the left mouse button it shows pressed; released over it, it clicks once. While
// held it also clicks by itself, 400 ms after the press and then every 100 ms, but only while
// the pointer is over it.
class SpinHalfButton : public QToolButton {
    Q_OBJECT
public:
    // glyphXpm: the arrow, an XPM image compiled in.
    SpinHalfButton(const char* const glyphXpm[], QWidget* parent);

    // Ends the current press: the half shows released and neither repeats nor clicks until it is
    // pressed again.
    void endPress();

signals:
    // A click, from a release over the half or from a repeat.
    void step();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

    void repeat();  // the repeat timer runs only during a press, wherever the pointer is

    QTimer repeatTimer_;
    bool held_ = false;        // the left button went down on this half and is not released
    bool pressEnded_ = false;  // endPress() was called during this press
};
