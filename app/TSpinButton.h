#pragma once

#include <QWidget>

class QToolButton;

// Two small buttons, one above the other, with up and down arrow glyphs. A half clicks when the
// left button is pressed on it and released over it. It never takes the focus, so a field being
// typed in keeps it.
class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void upClick();
    void downClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};
