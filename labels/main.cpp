#include "Tessaly.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(TessalyName);
    // US addresses and month names whatever the desktop's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setQuitOnLastWindowClosed(false);
    StartTessaly();
    return QApplication::exec();
}
