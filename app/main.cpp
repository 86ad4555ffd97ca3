#include <QApplication>
#include <QWidget>

// The settings window comes here; until then the program opens its empty window.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8("orgola\u3000設定"));
    window.setStyleSheet("background-color: rgb(255, 255, 221);");
    window.move(283, 172);
    window.resize(745, 210);
    window.show();
    return QApplication::exec();
}
