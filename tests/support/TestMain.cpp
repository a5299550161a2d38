#include "FileErrors.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Test discovery runs this program at build time without the test environment,
    // so the platform must be set here as well.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TZ", "UTC", 1);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    SetFileErrorReporter(ReportFileError);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
