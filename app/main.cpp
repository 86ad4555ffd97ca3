#include <QApplication>

#include "ApplicationTitle.h"
#include "FontFallbacks.h"
#include "ModalInteraction.h"
#include "Unit1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    installFontFallbacks();
    ModalInteraction interaction;
    TForm1 Form1(applicationTitle(QCoreApplication::applicationFilePath()), interaction);
    Form1.show();
    return QApplication::exec();
}
