#pragma once

#include <QWidget>

class SpinHalfButton;

// Two small buttons, one above the other, with up and down arrow glyphs. A half clicks when the
// left button is pressed on it and released over it, and repeats while held over it. It never
// takes the focus, so a field being typed in keeps it.
class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    SpinHalfButton* upButton() const { return up_; }
    SpinHalfButton* downButton() const { return down_; }

    // Ends the press of the half being held: no further clicks until the next press. A handler
    // that fails calls this, so its error box comes once per press.
    void endPress();

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    SpinHalfButton* up_;
    SpinHalfButton* down_;
};
