#pragma once

// A calculated run of three employees on the pay-run screen, ready for its finish panel,
// with the bank side set up on the setup screen and the printer recording.

#include "Checking.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "PayEngine.h"
#include "PayrollTestSupport.h"
#include "PrinterSupport.h"
#include "RecordSupport.h"
#include "Register.h"
#include "frmPayroll.h"
#include "frmSetup.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace finishtest {

// The figures of one paid row: gross, the six taxes, child support, fee, 401k, match,
// insurance, net pay.
struct RowFigures {
    Money gross;
    std::array<Money, 6> taxes;
    Money childSupport;
    Money supportFee;
    Money deduction401k;
    Money match401k;
    Money insurance;
    Money net;
};

inline Money Cents(std::int64_t cents) {
    return Money::fromCents(cents);
}

// Ann: $800.00 with every deduction; Bob: $1,000.00 with local tax; Cal: $600.125 gross
// (four decimals, as overtime gives), net $481.215, which the check states as $481.22.
inline const std::array<RowFigures, 4> Figures{{
    {},
    {Cents(80000),
     {Cents(6000), Cents(500), Cents(4960), Cents(1160), Cents(2400), Cents(0)},
     Cents(2500),
     Cents(200),
     Cents(4000),
     Cents(2000),
     Cents(2000),
     Cents(56280)},
    {Cents(100000),
     {Cents(8000), Cents(0), Cents(6200), Cents(1450), Cents(3000), Cents(500)},
     {},
     {},
     {},
     {},
     {},
     Cents(80850)},
    {Money::fromRaw(6001250),
     {Cents(4000), Cents(0), Cents(3721), Cents(870), Cents(1800), Cents(0)},
     {},
     {},
     {},
     {},
     Cents(1500),
     Money::fromRaw(4812150)},
}};

// What the three checks state: $562.80 + $808.50 + $481.22.
inline const Money RunTotal = Cents(185252);

class FinishTest : public PrintingTest {
protected:
    // A folder standing in a file's place: the file can be neither read nor replaced.
    void Block(const QString& name) {
        QFile::remove(path(name));
        makeFolder(name);
    }
    void Unblock(const QString& name) {
        ASSERT_TRUE(QDir(path(name)).removeRecursively()) << name.toStdString();
    }

    static EmployeeRecord Person(int n, const QString& name, const QString& status) {
        EmployeeRecord e = testrecords::Employee(n, name);
        e.PayStatus = status;
        e.PayRate = status == u"Salary" ? QStringLiteral("$1,000.00") : QStringLiteral("$20.00");
        e.SSN = QStringLiteral("987-65-43%1 ").arg(n, 2, 10, QLatin1Char('0'));
        return e;
    }

    void WriteCompany() {
        EmployeeRecord ann = Person(1, QStringLiteral("Ann Able"), QStringLiteral("Hourly"));
        ann.Address2 = QStringLiteral("Apt 4");
        EmployeeRecord bob = Person(2, QStringLiteral("Bob Baker"), QStringLiteral("Salary"));
        EmployeeRecord cal = Person(3, QStringLiteral("Cal Cole"), QStringLiteral("Hourly"));
        testrecords::WriteEmployees({ann, bob, cal});
        for (int n = 1; n <= 3; ++n)
            makeFolder(QStringLiteral("Employees/%1").arg(1000 + n));
    }

    // Bank option 0 or 1 with the account's balance and next check number on file.
    void SetBank(int option, const QString& balance = QStringLiteral("$5,000.00"),
                 const QString& nextCheck = QStringLiteral("1001")) {
        frmSetup& setup = Form<frmSetup>();
        setup.SelectBankOption(option);
        if (option == 0) {
            setup.txtPayrollBank[PayrollBankBox::BankName]->setText(QStringLiteral("First Payroll Bank"));
            setup.txtPayrollBank[PayrollBankBox::AccountNumber]->setText(QStringLiteral("555-1"));
            setup.txtPayrollBank[PayrollBankBox::Balance]->setText(balance);
            setup.txtPayrollBank[PayrollBankBox::NextCheck]->setText(nextCheck);
            setup.txtPayrollBank[PayrollBankBox::BeginningBalance]->setText(QStringLiteral("$1,000.00"));
            SavePayrollCheckbookInfo();
        } else if (option == 1) {
            CheckbookInfo& account = GeneralAccount();
            account.Bank = QStringLiteral("Main Street Bank");
            account.Account = QStringLiteral("777-2");
            account.Balance = balance;
            account.NextCheck = nextCheck;
            account.Deposit = QStringLiteral("$500.00");
            SaveCheckbookInfo();
        }
    }

    // Opens the pay-run screen, pays the three rows with the figures above (row 3 only when
    // asked) and finalizes: the finish panel shows.
    frmPayroll& OpenFinishPanel(int rows = 3, QDate periodEnding = QDate(2026, 6, 12),
                                QDate checkDate = QDate(2026, 6, 15)) {
        f = &ShowScreen<frmPayroll>();
        f->DTPicker1->setDate(periodEnding);
        f->DTPicker2->setDate(checkDate);
        RunTotals totals;
        for (int row = 1; row <= 3; ++row) {
            if (row > rows) {
                f->Row(row).Marked = false;
                f->ShowRow(row);
                continue;
            }
            Fill(row, Figures[static_cast<std::size_t>(row)], totals);
        }
        f->Totals = totals;
        f->CalculationCurrent = true;
        f->cmdPayroll[PayrollButton::Finalize]->click();
        dialogs->clear();
        return *f;
    }

    void Fill(int row, const RowFigures& r, RunTotals& totals) {
        payrolltest::RunRows cells{*f};
        cells.setCell(row, PayCol::Mark, PayMark);
        for (int c = 0; c < 6; ++c)
            cells.setCell(row, PayCol::FirstTax + c, CurrencyText(r.taxes[static_cast<std::size_t>(c)]));
        cells.setCell(row, PayCol::Gross, CurrencyText(r.gross));
        cells.setCell(row, PayCol::Net, CurrencyText(r.net));
        cells.setAux(row, AuxCol::ChildSupport, CurrencyText(r.childSupport));
        cells.setAux(row, AuxCol::SupportFee, CurrencyText(r.supportFee));
        cells.setAux(row, AuxCol::Deduction401k, CurrencyText(r.deduction401k));
        cells.setAux(row, AuxCol::Match401k, CurrencyText(r.match401k));
        cells.setAux(row, AuxCol::Insurance, CurrencyText(r.insurance));
        f->Row(row).Gross = r.gross;
        f->Row(row).NetPay = r.net;
        f->ShowRow(row);
        totals.Gross += r.gross;
        totals.Federal += r.taxes[0];
        totals.ExtraFederal += r.taxes[1];
        totals.FicaEmployee += r.taxes[2];
        totals.FicaBoth += r.taxes[2] + r.taxes[2];
        totals.MedicareEmployee += r.taxes[3];
        totals.MedicareBoth += r.taxes[3] + r.taxes[3];
        totals.State += r.taxes[4];
        totals.Local += r.taxes[5];
        totals.ChildSupport += r.childSupport;
        totals.SupportFee += r.supportFee;
        totals.Deduction401k += r.deduction401k;
        totals.Match401k += r.match401k;
        totals.Insurance += r.insurance;
    }

    void PrintPayroll() { f->cmdPrintDeposit[DepositButton::PrintPayroll]->click(); }

    // The entries of a register file, in order.
    std::vector<RegisterEntry> Entries(const QString& file) const {
        std::vector<RegisterEntry> entries;
        RandomFile r = OpenRandomFile(file, RegisterEntry::Length);
        for (std::int32_t n = 1; n <= r.count(); ++n)
            entries.push_back(*r.get<RegisterEntry>(n));
        return entries;
    }
    std::vector<PayRecord> PayRecords(int employee) const {
        std::vector<PayRecord> records;
        const QString name = QStringLiteral("/Employees/%1/PayRecords.txt").arg(employee);
        if (!exists(name)) return records;
        RandomFile r = OpenRandomFile(name, PayRecord::Length);
        for (std::int32_t n = 1; n <= r.count(); ++n)
            records.push_back(*r.get<PayRecord>(n));
        return records;
    }
    int SummaryCount() const {
        return static_cast<int>(readFile(QStringLiteral("SummaryRecords.txt")).size() /
                                SummaryRecord::Length);
    }
    // The texts of the given kind of dialog, in order.
    std::vector<QString> Shown(ScriptedDialogs::Kind kind) {
        std::vector<QString> texts;
        for (const auto& s : dialogs->shown)
            if (s.kind == kind) texts.push_back(s.text);
        return texts;
    }
    bool WasShown(const QString& text) {
        for (const auto& s : dialogs->shown)
            if (s.text == text) return true;
        return false;
    }
    // Pages of the check job (the first job of the finish).
    int CheckPages(int job = 1) {
        return static_cast<int>(printer->jobs.size()) >= job
                   ? printer->jobs[static_cast<std::size_t>(job - 1)].pages
                   : 0;
    }

    frmPayroll* f = nullptr;
};

} // namespace finishtest
