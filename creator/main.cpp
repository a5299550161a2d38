#include "CreatorMain.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(creator::ProductName);
    // US payroll: dates and numbers read the same whatever the desktop's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Between two screens none is visible; the program ends only through its orderly exit.
    QApplication::setQuitOnLastWindowClosed(false);
    creator::Main();
    return QApplication::exec();
}
