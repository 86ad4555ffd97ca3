#pragma once

#include <QLabel>

// A click target: its caption centred inside a raised bevel one pixel wide, on the button-face
// colour (the Button role of its palette). It never takes the focus, so it acts on a mouse
// click only: pressing the left button on it and releasing it over it.
class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
