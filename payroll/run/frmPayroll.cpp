#include "frmPayroll.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "Posting.h"
#include "Records.h"
#include "frmSetup.h"
#include "frmTables.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

QString ZeroText() {
    return CurrencyText(Money());
}

// Empties a money box that shows the currency form of zero as soon as a key goes down,
// then lets only money keys through.
void FilterMoneyKeys(QLineEdit* box) {
    auto* filter = new DecimalKeyFilter(box);
    filter->setKeyDownHandler([box](QKeyEvent&) {
        if (box->text() == ZeroText()) box->clear();
    });
}

} // namespace

frmPayroll::frmPayroll() : Screen(QStringLiteral("frmPayroll"), QStringLiteral("Payroll")) {
    setWindowTitle(QStringLiteral("Payroll Preparation"));
    setCentralWidget(new QWidget(this));
    BuildMenus();
    BuildGridsPanel();
    BuildSidePanels();
    BuildBonusPanel();
    BuildStateTaxesPanel();
    BuildDepositPanel();
    LayOut();
    SetUpGrids();
    ConnectEvents();
    for (QWidget* panel : std::initializer_list<QWidget*>{fraAux, fraHide, fraBonus, fraStateTaxes, fraMemo,
                                                          fraHours, fraState, fraDepositSummary})
        panel->hide();
    for (QWidget* blinking : std::initializer_list<QWidget*>{lblHelp[0], imgArrow}) {
        QSizePolicy policy = blinking->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // the date picker stays put while the prompt blinks
        blinking->setSizePolicy(policy);
    }
    resize(1240, 720);
    ResetRows(0);
    ClearPaymentTotals();
}

void frmPayroll::ConnectEvents() {
    for (int i = 0; i < static_cast<int>(cmdPayroll.size()); ++i)
        connect(cmdPayroll[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdPayroll_Click(i); });
    for (int i = 1; i <= 4; ++i)
        connect(cmdPrintDeposit[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdPrintDeposit_Click(i); });
    for (int i = 0; i < 4; ++i) {
        connect(cmdMemo[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdMemo_Click(i); });
        connect(ckBonus[static_cast<std::size_t>(i)], &QCheckBox::clicked, this,
                [this, i] { ckBonus_Click(i); });
    }
    connect(fgEmployees, &FlexGrid::clicked, this, [this] { fgEmployees_Click(); });
    connect(fgAux, &FlexGrid::clicked, this, [this] { fgAux_Click(); });
    connect(fgHourly, &FlexGrid::clicked, this, [this] { fgHourly_Click(); });
    connect(fgSalaried, &FlexGrid::clicked, this, [this] { fgSalaried_Click(); });
    connect(mnuBonus, &QAction::triggered, this, [this] { cmdPayroll_Click(4); });
    connect(mnuMemo, &QAction::triggered, this, &frmPayroll::mnuMemo_Click);
    connect(mnuToggle, &QAction::triggered, this, &frmPayroll::mnuToggle_Click);
    connect(mnuState, &QAction::triggered, this, &frmPayroll::mnuState_Click);
    connect(mnuLocal, &QAction::triggered, this, &frmPayroll::mnuLocal_Click);
    connect(mnuCloseWindows, &QAction::triggered, this, &frmPayroll::mnuCloseWindows_Click);
    connect(mnuStateTable, &QAction::triggered, this, &frmPayroll::mnuStateTable_Click);
    connect(Timer1, &QTimer::timeout, this, &frmPayroll::Timer1_Timer);
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
    for (QLabel* picture : {imgShadeUp, imgShadeDown[0], imgShadeDown[1]})
        picture->installEventFilter(this);

    new DecimalKeyFilter(txtHours);
    FilterMoneyKeys(txtState);
    FilterMoneyKeys(txtAmount);
    connect(txtAmount, &QLineEdit::textChanged, this, [this](const QString& text) {
        cmdPayroll[6]->setEnabled(!text.isEmpty() && text != ZeroText());
    });
    connect(txtHours, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(7); });
    connect(txtState, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(15); });
}

bool frmPayroll::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == imgShadeUp) imgShadeUp_Click();
        for (int i = 0; i < 2; ++i)
            if (watched == imgShadeDown[static_cast<std::size_t>(i)]) imgShadeDown_Click(i);
    }
    return Screen::eventFilter(watched, event);
}

// ---- Load and activation ----------------------------------------------------------------------

void frmPayroll::Form_Load() {
    lblKey->setText(PayMark + QStringLiteral("   = Pay Employee"));
    LoadAllowances();
    try {
        LoadNonResidentTable();
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    txtAmount->setText(ZeroText());
    fgHourly->setColWidth(BonusCol::Row, 0);
    fgSalaried->setColWidth(BonusCol::Row, 0);
}

void frmPayroll::Form_Activate() {
    HookGridWheel(this, fgEmployees);
    ShowFirstCheckPanel();
    try {
        LoadPayrollMemo();
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    SetDepositPanels(true);
    HideHoursFrame();
    lblHelp[0]->setText(QStringLiteral("Select the Pay Period Ending Date"));
    lblHelp[0]->show();
    imgArrow->show();
    Timer1->start();
    if (!FileExists(EmployeeFile)) {
        MsgBox(QStringLiteral("There are no Employees to Pay"));
        return cmdPayroll_Click(0);
    }
    if (!LoadEmployees()) return cmdPayroll_Click(0);
    settingDates_ = true;
    DTPicker1->setDate(Today());
    DTPicker2->setDate(Today());
    settingDates_ = false;
}

void frmPayroll::ShowFirstCheckPanel() {
    fra1stCheck->show();
    for (QFrame* line : linCheck)
        line->show();
    frmSetup& setup = Form<frmSetup>();
    if (setup.optAccount[BankChoice::SeparateAccount]->isChecked()) {
        txt1stCheck->setText(setup.txtPayrollBank[PayrollBankBox::NextCheck]->text());
    } else if (setup.optAccount[BankChoice::GeneralAccount]->isChecked()) {
        txt1stCheck->setText(setup.LblBank[GeneralBankLabel::NextCheck]->text());
    } else if (setup.optAccount[BankChoice::OtherProgram]->isChecked()) {
        // Pay slips: no check numbers.
        fra1stCheck->hide();
        for (QFrame* line : linCheck)
            line->hide();
        txt1stCheck->clear();
    }
}

void frmPayroll::LoadPayrollMemo() {
    txtMemo->clear();
    if (!FileExists(PayrollMemoFile)) return;
    TextInput memo = OpenInput(PayrollMemoFile);
    QString text;
    while (!memo.atEnd())
        text += memo.readText() + u'\n';
    txtMemo->setPlainText(text);
}

void frmPayroll::HideHoursFrame() {
    fraState->hide();
    fraHours->hide();
    SummarySaved = false;
    RunPosted = false;
    posting_.reset();
}

void frmPayroll::LoadAllowances() {
    frmTables& tables = Form<frmTables>();
    for (std::size_t k = 1; k <= 8; ++k)
        Allowance[k] = MoneyOf(tables.txtAllowance[k - 1]->text());
}

void frmPayroll::LoadNonResidentTable() {
    // Without the table no nonresident amount is added.
    cboNonResident->clear();
    if (!FileExists(NonResidentTaxTableFile)) return;
    TextInput table = OpenInput(NonResidentTaxTableFile);
    for (int i = 0; i < 8; ++i) {
        const QString amount = table.readText();
        if (table.isShort()) return ReportShortFile(NonResidentTaxTableFile);
        cboNonResident->addItem(amount);
    }
}

bool frmPayroll::LoadEmployees() {
    try {
        EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
    } catch (const FileError& error) {
        ReportFileError(error);
        EmployeeCount = 0;
    }
    const bool tooMany = EmployeeCount > MaximumRows;
    if (tooMany)
        MsgBox(QStringLiteral("A payroll can list at most %1 employees.\r\nThe Employee file holds %2.")
                   .arg(MaximumRows)
                   .arg(EmployeeCount),
               MsgButtons::OK, QStringLiteral("Too Many Employees"));
    const int count = tooMany ? 0 : EmployeeCount;
    ResetRows(count);
    HourlyBasePay.assign(static_cast<std::size_t>(count + 1), Money());
    SalariedBasePay.assign(static_cast<std::size_t>(count + 1), Money());
    for (FlexGrid* grid : {fgHourly, fgSalaried, fgAux, fgEmployees})
        ClearGrid(*grid);
    ClearEmployeeGrid(true);
    for (FlexGrid* grid : {fgHourly, fgSalaried, fgAux, fgEmployees})
        grid->setRows(count + 1);
    int hourlyRow = 1;
    int salariedRow = 1;
    try {
        RandomFile employees = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
        for (int n = 1; n <= count; ++n) {
            CurrentEmployee = employees.get<EmployeeRecord>(n).value_or(EmployeeRecord{});
            LoadEmployeeRow(n, CurrentEmployee, hourlyRow, salariedRow);
        }
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    if (count >= 1) fgEmployees->setTextMatrix(1, PayCol::Mark, PayMark);
    LastEntryRow = 1;
    cmdPayroll[13]->setEnabled(!tooMany);
    if (salariedRow > 1) fgSalaried->setRows(salariedRow);
    if (hourlyRow > 1) fgHourly->setRows(hourlyRow);
    CalculationCurrent = false;
    return !tooMany;
}

void frmPayroll::LoadEmployeeRow(int n, const EmployeeRecord& e, int& hourlyRow, int& salariedRow) {
    const QString name = TrimmedField(e.Name);
    const QString number = TrimmedField(e.EmployeeNo);
    fgEmployees->setTextMatrix(n, PayCol::Name, name);
    fgEmployees->setTextMatrix(n, PayCol::Number, number);
    fgEmployees->setTextMatrix(n, PayCol::Mark, QString());
    fgAux->setTextMatrix(n, AuxCol::Name, name);
    fgAux->setTextMatrix(n, AuxCol::Number, number);
    fgAux->setTextMatrix(n, AuxCol::ChildSupport, CurrencyText(e.ChildSupportPerPay));
    fgAux->setTextMatrix(n, AuxCol::SupportFee, CurrencyText(e.SupportFeePerPay));
    fgAux->setTextMatrix(n, AuxCol::Deduction401k, ZeroText());
    fgAux->setTextMatrix(n, AuxCol::Insurance, CurrencyText(e.InsurancePerPay));
    EmployeePercent401k[static_cast<std::size_t>(n)] = PercentOf401k(e.Percent401k);
    EmployeeYTDGross[static_cast<std::size_t>(n)] = e.YTDGross;

    const QString status = TrimmedField(e.PayStatus);
    const Money rate = MoneyOf(TrimmedField(e.PayRate));
    const auto placeInBonusGrid = [&](FlexGrid& grid, int& next, std::vector<Money>& basePay, Money base,
                                      FlexGrid& other) {
        grid.setTextMatrix(next, BonusCol::Name, name);
        grid.setTextMatrix(next, BonusCol::BasePay, CurrencyText(base));
        grid.setTextMatrix(next, BonusCol::Bonus, ZeroText());
        grid.setTextMatrix(next, BonusCol::Row, QString::number(n));
        basePay[static_cast<std::size_t>(next)] = base;
        ++next;
        other.setRows(other.rows() - 1);
    };
    if (status == u"Hourly") {
        fgEmployees->setTextMatrix(n, PayCol::Hours, QStringLiteral("40"));
        placeInBonusGrid(*fgHourly, hourlyRow, HourlyBasePay, rate.mulDiv(40, 1), *fgSalaried);
    } else if (status == u"Salary") {
        fgEmployees->setTextMatrix(n, PayCol::Hours, SalaryWord);
        placeInBonusGrid(*fgSalaried, salariedRow, SalariedBasePay, rate, *fgHourly);
    } else if (status == u"Daily") {
        fgEmployees->setTextMatrix(n, PayCol::Hours, DayWord);
    } else if (status == u"Flat Rate") {
        fgEmployees->setTextMatrix(n, PayCol::Hours, FlatWord);
    } else {
        fgEmployees->setTextMatrix(n, PayCol::Hours, QString());
    }
}

void frmPayroll::SetDepositPanels(bool toGrids) {
    fraHourly->setVisible(toGrids);
    fraDepositSummary->setVisible(!toGrids);
    if (toGrids) return;
    // Paid from an account kept in another program: remind the user of the balance it needs.
    const bool elsewhere = Form<frmSetup>().optAccount[BankChoice::OtherProgram]->isChecked();
    for (QWidget* reminder : {static_cast<QWidget*>(lblDeposit[0]), static_cast<QWidget*>(lblDeposit[1]),
                              static_cast<QWidget*>(imgPointer)})
        reminder->setVisible(elsewhere);
}

// ---- The tax data ----------------------------------------------------------------------------------

TaxSettings frmPayroll::CurrentTaxSettings() const {
    TaxSettings settings;
    const frmTables& tables = Form<frmTables>();
    for (std::size_t i = 0; i < settings.Tables.size(); ++i)
        settings.Tables[i] = tables.TxtTables[i]->text();
    settings.StateFlat = tables.ckState->isChecked();
    settings.LocalFlat = tables.ckLocal->isChecked();
    settings.TaxTable = GridTexts(*tables.fgTaxTable);
    settings.Percentage = GridTexts(*tables.fgPercentage);
    settings.Allowance = Allowance;
    for (int i = 0; i < cboNonResident->count(); ++i)
        settings.NonResident << cboNonResident->itemText(i);
    const frmSetup& setup = Form<frmSetup>();
    settings.Match401k = setup.ck401->isChecked();
    settings.MatchingPercent = setup.cboMatching->currentText();
    settings.StateIndex = StateIndex;
    settings.StateTable = GridTexts(*fgStateTaxes);
    return settings;
}

PayGrids frmPayroll::Grids() {
    return {*fgEmployees, *fgAux, *fgHourly, *fgSalaried};
}

void frmPayroll::CalculateTaxes() {
    cmdPayroll[13]->setEnabled(false);
    ClearPaymentTotals();
    // The allowances as the tax-table screen shows them now, edited or not.
    LoadAllowances();
    const TaxSettings settings = CurrentTaxSettings();
    PayEngine engine(*this, Grids(), settings);
    if (const QString problem = engine.SettingsProblem(); !problem.isEmpty()) {
        MsgBox(problem + QStringLiteral("\r\nCorrect it, then Calculate the Taxes again"), MsgButtons::OK,
               QStringLiteral("Tax Tables"));
        cmdPayroll[13]->setEnabled(true);
        return;
    }
    try {
        engine.CalculatePayroll();
        engine.TotalDeductions();
        CalculationCurrent = true;
    } catch (const FileError& error) {
        ReportFileError(error);
        cmdPayroll[13]->setEnabled(true);
    }
}

void frmPayroll::ShowPaymentSummary() {
    const std::array<Money, 15> summary = Totals.PaymentSummary();
    for (std::size_t i = 0; i < summary.size(); ++i)
        lblPayment[i]->setText(CurrencyText(summary[i]));
}

void frmPayroll::ClearPaymentTotals() {
    for (QLabel* amount : lblPayment)
        amount->setText(ZeroText());
    Totals = RunTotals{};
}

// ---- The memo panel and the finish panel's buttons --------------------------------------------------

void frmPayroll::cmdMemo_Click(int index) {
    try {
        switch (index) {
        case 0:
            txtMemo->clear();
            txtMemo->setFocus();
            break;
        case 1:
            LoadPayrollMemo();
            break;
        case 2: {
            // Saved with the program's line ends and without trailing blank lines, so that
            // loading and saving again gives the same memo.
            QString text = txtMemo->toPlainText();
            while (text.endsWith(u'\n'))
                text.chop(1);
            if (!text.isEmpty()) SaveMemoText(PayrollMemoFile, text.replace(u'\n', QStringLiteral("\r\n")));
            break;
        }
        case 3:
            fraMemo->hide();
            break;
        default:
            break;
        }
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void frmPayroll::cmdPrintDeposit_Click(int index) {
    if (index >= 2 && index <= 4) mnuBonus->setEnabled(true);
    switch (index) {
    case 1:
        PrintProofReport();
        break;
    case 2:
        PrintPayroll();
        break;
    case 3:
        // The checks of a run with anything of its posting on file must stay those posted.
        if (RunPartlyPosted()) {
            FinishStopped();
            break;
        }
        // Nothing was posted: the next posting is taken from the changed run.
        posting_.reset();
        SetDepositPanels(true);
        break;
    case 4:
        cmdPayroll_Click(0);
        break;
    default:
        break;
    }
}
