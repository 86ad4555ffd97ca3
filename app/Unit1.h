#pragma once

#include <QScrollArea>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "Settings.h"
#include "ValueSteps.h"

namespace Ui {
class TForm1;
}
class QLabel;
class QRadioButton;
class UserInteraction;

// The settings window. Its controls hold every setting; the handlers read them straight from
// the controls. The client area scrolls over the controls, whose extent grows with the script
// buffer Label2.
class TForm1 : public QScrollArea {
    Q_OBJECT
public:
    // Creates the window from its form and runs FormCreate, which may already show an error box.
    TForm1(const QString& applicationTitle, UserInteraction& interaction,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // The event handlers. Each shows its own failure in the error box; the window stays open.
    void FormCreate();          // base directory, settings file, delay display
    void EjikanExit();          // the focus left the delay field for another control of this window
    void Panel1Click();         // 終了: save the settings and close
    void Panel2Click();         // 設定: write upload.bat, confirm, save the settings and close
    void SpinButton1UpClick();  // delay up by 2 seconds
    void SpinButton1DownClick();  // delay down by 2 seconds, not below 0
    void SpinButton2UpClick();    // repeat count up by 1
    void SpinButton2DownClick();  // repeat count down by 1, not below 1

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void henkan();     // refreshes the delay display from the delay field
    void ini_hozon();  // writes the settings file from the controls

    orgola::Settings currentSettings() const;
    void applySettings(const orgola::Settings& settings);
    orgola::WindowRect outerRect() const;
    void placeWindow();
    void fitFrameToOuterSize();
    void setCaption(QLabel* label, const QString& text);
    void updateScrollRange();
    void updateTabStops();
    void focusFirstTabStop();
    bool runHandler(const std::function<void()>& body);
    void stepDelay(orgola::StepDirection direction);
    void stepRepeatCount(orgola::StepDirection direction);
    std::array<QRadioButton*, 7> options() const;

    std::unique_ptr<Ui::TForm1> ui;
    QString applicationTitle_;
    UserInteraction& interaction_;
    std::string baseDirectory_;
    orgola::WindowRect placement_;  // the outer rectangle the window is to open with
    bool frameFitted_ = false;
    QMetaObject::Connection focusWatch_;
};
