#include <QApplication>

#include "ApplicationIcon.h"
#include "ApplicationTitle.h"
#include "FontFallbacks.h"
#include "ModalInteraction.h"
#include "Unit1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orgola.OrgolaSettings"));
    QApplication::setWindowIcon(applicationIcon());
    installFontFallbacks();
    ModalInteraction interaction;
    TForm1 Form1(applicationTitle(QCoreApplication::applicationFilePath()), interaction);
    Form1.show();
    return QApplication::exec();
}
