// The toolkit's floor for start-up: a Qt Widgets program with one window holding one label,
// "orgola" or the text given as its argument. scripts/startup-bench.sh compares orgola_s
// against it, also with a Japanese label, which makes Qt load a Japanese font as orgola_s must.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QLabel label(arguments.size() > 1 ? arguments[1] : QStringLiteral("orgola"));
    label.show();
    return QApplication::exec();
}
