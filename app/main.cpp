#include <QApplication>
#include <QIcon>

#include "ApplicationTitle.h"
#include "FontFallbacks.h"
#include "ModalInteraction.h"
#include "Unit1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orgola.OrgolaSettings"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/orgola_s_%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    installFontFallbacks();
    ModalInteraction interaction;
    TForm1 Form1(applicationTitle(QCoreApplication::applicationFilePath()), interaction);
    Form1.show();
    return QApplication::exec();
}
