#pragma once

// A program folder with employees, runs and pay histories over a few years, for the
// year-end program's tests; the year worked on is 2025 (today is in June 2026).

#include "DataFiles.h"
#include "PrinterSupport.h"
#include "RecordSupport.h"
#include "Screen.h"
#include "frmMain.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>

#include <map>
#include <vector>

class YearEndTest : public PrintingTest {
protected:
    YearEndTest() {
        previousEnd_ = SetEndProcessHandler([this](int) { ++ended; });
    }
    ~YearEndTest() override { SetEndProcessHandler(previousEnd_); }

    static QDate D(int y, int m, int d) { return QDate(y, m, d); }

    void employees(int count) {
        std::vector<EmployeeRecord> list;
        for (int i = 1; i <= count; ++i)
            list.push_back(testrecords::Employee(i, QStringLiteral("Employee %1").arg(i)));
        testrecords::WriteEmployees(list);
    }
    // Runs of the given dates, each with its own wages so that every record differs.
    void runs(const std::vector<QDate>& dates) {
        RandomFile file = OpenRandomFile(u"/SummaryRecords.txt", SummaryRecord::Length);
        for (const QDate& date : dates) {
            SummaryRecord run;
            run.PayDate = OleDateOf(date);
            run.TotalWages = Money::fromCents(date.toJulianDay());
            file.put(file.count() + 1, run);
        }
    }
    void pays(int employee, const std::vector<QDate>& dates, double gross = 1000.00) {
        std::vector<PayRecord> records;
        for (const QDate& date : dates)
            records.push_back(testrecords::Paycheck(date, Money::fromCents(static_cast<std::int64_t>(gross * 100))));
        testrecords::AppendPayRecords(QString::number(1000 + employee), records);
    }

    // The pay dates of a record file, in order (empty when it is missing).
    std::vector<QDate> dates(const QString& name, int length) const {
        std::vector<QDate> list;
        const QByteArray bytes = readFile(name);
        for (qsizetype at = 0; at + length <= bytes.size(); at += length)
            list.push_back(DateOfOle(StoredDate(QByteArrayView(bytes).sliced(at, length), 0)));
        return list;
    }
    std::vector<QDate> summaryDates(const QString& name = QStringLiteral("SummaryRecords.txt")) const {
        return dates(name, SummaryRecord::Length);
    }
    std::vector<QDate> payDates(int employee) const {
        return dates(QStringLiteral("Employees/%1/PayRecords.txt").arg(1000 + employee), PayRecord::Length);
    }
    std::vector<QDate> offloadedPays(int employee) const {
        return dates(QStringLiteral("Backup/PayrollRecords 2025/%1/PayrollRecords 2025.txt").arg(1000 + employee),
                     PayRecord::Length);
    }

    // Every file of the program folder and its bytes, by relative name.
    std::map<QString, QByteArray> files() const {
        std::map<QString, QByteArray> all;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString name = QDir(dir.path()).relativeFilePath(file);
            if (name != QStringLiteral("Layout.txt") && !name.endsWith(QStringLiteral(".lock")))
                all[name] = readFile(name);
        }
        return all;
    }

    yearend::frmMain& screen(const QString& year = QStringLiteral("2025")) {
        yearend::frmMain& s = ShowScreen<yearend::frmMain>();
        s.cboYear->setCurrentText(year);
        return s;
    }

    int ended = 0;

private:
    std::function<void(int)> previousEnd_;
};
