// The toolkit's floor for start-up: a Qt Widgets program with one window holding one label.
// scripts/startup-bench.sh compares orgola_s against it.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("orgola"));
    label.show();
    return QApplication::exec();
}
