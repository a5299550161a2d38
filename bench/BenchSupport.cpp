#include "BenchSupport.h"

#include "DataFiles.h"
#include "Dates.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdlib>

namespace bench {

void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kestrova_bench";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own statics may already be gone, and a window shown by
    // a benchmark leaves input devices whose teardown would then crash the process.
    new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

EmployeeRecord Employee(int n, const QString& rate) {
    EmployeeRecord e;
    e.Name = QStringLiteral("Employee %1").arg(n);
    e.EmployeeNo = QString::number(1000 + n);
    e.PayStatus = QStringLiteral("Hourly");
    e.PayRate = rate;
    return e;
}

QByteArray WeeklyPayHistory(const EmployeeRecord& e, QDate firstPayDay, int weeks) {
    QByteArray bytes;
    bytes.reserve(weeks * PayRecord::Length);
    PayRecord p;
    p.EmployeeName = e.Name;
    p.EmployeeNo = e.EmployeeNo;
    p.Hours = QStringLiteral("40");
    for (int week = 0; week < weeks; ++week) {
        p.PayDate = OleDateOf(firstPayDay.addDays(7 * week));
        p.Gross = Money::fromCents(74000 + week);
        p.FederalTax = Money::fromCents(6200);
        p.Fica = Money::fromCents(4588);
        p.Medicare = Money::fromCents(1073);
        p.StateTax = Money::fromCents(2590);
        p.Deduction401k = Money::fromCents(2220);
        p.Match401k = Money::fromCents(1110);
        p.Insurance = Money::fromCents(1500);
        bytes += p.encode();
    }
    return bytes;
}

void WriteEmployees(const std::vector<EmployeeRecord>& employees, QDate firstPayDay, int weeks) {
    QByteArray file;
    for (const EmployeeRecord& e : employees) {
        file += e.encode();
        if (weeks <= 0) continue;
        const QString folder = QStringLiteral("/Employees/") + e.EmployeeNo.trimmed();
        QDir().mkpath(DataPath(folder));
        WriteWholeFile(folder + QStringLiteral("/PayRecords.txt"), WeeklyPayHistory(e, firstPayDay, weeks));
    }
    WriteWholeFile(u"/Employees.txt", file);
}

void UseTenYearFolder() {
    static QTemporaryDir dir;
    static bool built = false;
    SetProgramFolder(dir.path());
    if (built) return;
    std::vector<EmployeeRecord> employees;
    for (int r = 1; r <= Employees; ++r)
        employees.push_back(Employee(r));
    WriteEmployees(employees, QDate(2016, 12, 30), TenYearsOfWeeks);
    built = true;
}

} // namespace bench
