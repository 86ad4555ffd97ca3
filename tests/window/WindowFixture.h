#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>

#include "../TempFolder.h"
#include "RecordingInteraction.h"
#include "TPanel.h"
#include "Unit1.h"

// Readable rectangles in failure messages.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}

namespace orgola::test {

// The 13 lines of a settings file as the program writes them: the window description's
// rectangle, the seven options as "T"/"F" letters (RB2313, RB45, RBtomori, RBhidaspx, RBakarui,
// RBkurai, RBsinai), then the two texts.
inline std::string settingsLines(const std::string& repeatCount = "1",
                                 const std::string& delay = "0",
                                 const std::string& options = "TFTFTFF") {
    std::string lines = "745\r\n210\r\n283\r\n172\r\n";
    for (const char option : options) {
        lines += option == 'T' ? "TRUE\r\n" : "FALSE\r\n";
    }
    return lines + repeatCount + "\r\n" + delay + "\r\n";
}

// A window started in a fresh folder (its base directory), with every box answered and
// recorded.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        if (::getcwd(previousDirectory_, sizeof previousDirectory_) == nullptr ||
            ::chdir(folder.path().c_str()) != 0) {
            throw std::runtime_error("cannot enter the test folder");
        }
    }
    ~WindowTest() override {
        form.reset();
        [[maybe_unused]] const int ignored = ::chdir(previousDirectory_);
    }

    void writeSettings(const std::string& bytes) { writeBytes(settingsPath(), bytes); }
    std::string settingsPath() const { return folder.file("orgola_s.ini"); }
    std::string scriptPath() const { return folder.file("upload.bat"); }

    // Creates the window (running its start-up), and shows it when asked to.
    TForm1& start(bool show = true) {
        form = std::make_unique<TForm1>(QStringLiteral("orgola_s"), interaction);
        if (show) {
            form->show();
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        return *form;
    }

    template <typename Control>
    Control* control(const char* name) const {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return found;
    }
    QRadioButton* option(const char* name) const { return control<QRadioButton>(name); }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QString caption(const char* name) const { return control<QLabel>(name)->text(); }
    void click(const char* panel) const {
        QTest::mouseClick(control<TPanel>(panel), Qt::LeftButton);
    }

    TempFolder folder;
    RecordingInteraction interaction;
    std::unique_ptr<TForm1> form;

private:
    char previousDirectory_[4096] = {};
};

}  // namespace orgola::test
