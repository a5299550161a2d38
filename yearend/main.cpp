#include "Annual.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(YearEndProgramName);
    // US payroll: dates and numbers read the same whatever the desktop's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // The program ends only through its own end (EndProgram), which unloads the screen first.
    QApplication::setQuitOnLastWindowClosed(false);
    YearEndMain();
    return QApplication::exec();
}
