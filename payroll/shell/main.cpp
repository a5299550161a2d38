#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QLabel placeholder(QStringLiteral("Kestrova"));
    placeholder.show();
    return QApplication::exec();
}
