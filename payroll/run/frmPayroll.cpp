#include "frmPayroll.h"

#include "Checkbook.h"
#include "Controls.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "PayFiles.h"
#include "Posting.h"
#include "Records.h"
#include "TaxTables.h"
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
// The cell texts of a grid, [row][col].
std::vector<std::vector<QString>> GridTexts(const FlexGrid& grid) {
    std::vector<std::vector<QString>> texts(static_cast<std::size_t>(grid.rows()));
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            texts[static_cast<std::size_t>(r)].push_back(grid.textMatrix(r, c));
    return texts;
}

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
    for (QWidget* blinking : std::initializer_list<QWidget*>{lblHelp[HelpLabel::PeriodDate], imgArrow}) {
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
    connect(mnuBonus, &QAction::triggered, this, [this] { cmdPayroll_Click(PayrollButton::Bonus); });
    connect(mnuMemo, &QAction::triggered, this, &frmPayroll::mnuMemo_Click);
    connect(mnuToggle, &QAction::triggered, this, &frmPayroll::mnuToggle_Click);
    connect(mnuState, &QAction::triggered, this, &frmPayroll::mnuState_Click);
    connect(mnuLocal, &QAction::triggered, this, &frmPayroll::mnuLocal_Click);
    connect(mnuCloseWindows, &QAction::triggered, this, &frmPayroll::mnuCloseWindows_Click);
    connect(mnuStateTable, &QAction::triggered, this, &frmPayroll::mnuStateTable_Click);
    connect(Timer1, &QTimer::timeout, this, &frmPayroll::Timer1_Timer);
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
    connect(DTPicker2, &QDateEdit::dateChanged, this, [this] { DTPicker2_Change(); });
    AnswerClick(imgShadeUp, [this] { imgShadeUp_Click(); });
    for (int i = 0; i < 2; ++i)
        AnswerClick(imgShadeDown[static_cast<std::size_t>(i)], [this, i] { imgShadeDown_Click(i); });

    new DecimalKeyFilter(txtHours);
    FilterMoneyKeys(txtState);
    FilterMoneyKeys(txtAmount);
    connect(txtAmount, &QLineEdit::textChanged, this, [this](const QString& text) {
        cmdPayroll[PayrollButton::PostBonus]->setEnabled(!text.isEmpty() && text != ZeroText());
    });
    connect(txtHours, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(PayrollButton::PostHours); });
    connect(txtState, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(PayrollButton::PostAmount); });
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
    lblHelp[HelpLabel::PeriodDate]->setText(QStringLiteral("Select the Pay Period Ending Date"));
    lblHelp[HelpLabel::PeriodDate]->show();
    imgArrow->show();
    Timer1->start();
    if (!FileExists(EmployeeFile)) {
        MsgBox(QStringLiteral("There are no Employees to Pay"));
        return cmdPayroll_Click(PayrollButton::Menu);
    }
    if (!LoadEmployees()) return cmdPayroll_Click(PayrollButton::Menu);
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
        txt1stCheck->setText(PayrollAccount().NextCheck);
    } else if (setup.optAccount[BankChoice::GeneralAccount]->isChecked()) {
        txt1stCheck->setText(GeneralAccount().NextCheck);
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
    Form<frmTables>(); // the tax settings are loaded with their screen
    Allowance = TheTaxTables().AllowanceAmounts();
}

void LoadNonResidentList(QComboBox& list) {
    // Without the table no nonresident amount is added.
    list.clear();
    if (!FileExists(NonResidentTaxTableFile)) return;
    TextInput table = OpenInput(NonResidentTaxTableFile);
    for (int i = 0; i < 8; ++i) {
        const QString amount = table.readText();
        if (table.isShort()) return ReportShortFile(NonResidentTaxTableFile);
        list.addItem(amount);
    }
}

void frmPayroll::LoadNonResidentTable() {
    LoadNonResidentList(*cboNonResident);
}

void LoadRunRows(PayRun& run, int count) {
    RandomFile employees = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
    for (int n = 1; n <= count; ++n) {
        CurrentEmployee = employees.get<EmployeeRecord>(n).value_or(EmployeeRecord{});
        run.Row(n) = PayRowOf(CurrentEmployee);
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
    for (FlexGrid* grid : {fgHourly, fgSalaried, fgAux, fgEmployees})
        ClearGrid(*grid);
    for (FlexGrid* grid : {fgAux, fgEmployees})
        grid->setRows(count + 1);
    try {
        LoadRunRows(*this, count);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    if (count >= 1) Row(1).Marked = true;
    ShowRows();
    ShowBonusGrids();
    LastEntryRow = 1;
    cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(!tooMany);
    CalculationCurrent = false;
    return !tooMany;
}

void frmPayroll::ShowRow(int n) {
    const PayRow& row = Row(n);
    for (int c = 0; c < PayCol::Count; ++c)
        fgEmployees->setTextMatrix(n, c, row.EmployeeText(c));
    for (int c = 0; c < AuxCol::Count; ++c)
        fgAux->setTextMatrix(n, c, row.AuxText(c));
}

void frmPayroll::ShowRows() {
    for (int n = 1; n <= RowCount() && n < fgEmployees->rows(); ++n)
        ShowRow(n);
}

// Each bonus grid lists the rows of its list in run order; a grid with none keeps the
// blank lines of the employees that are in neither list.
void frmPayroll::ShowBonusGrids() {
    const auto show = [this](FlexGrid& grid, BonusList list, BonusList other) {
        int line = 1;
        int others = 0;
        for (int n = 1; n <= RowCount(); ++n) {
            const PayRow& row = Row(n);
            if (row.BonusIn == other) ++others;
            if (row.BonusIn != list) continue;
            if (grid.rows() <= line) grid.setRows(line + 1);
            grid.setTextMatrix(line, BonusCol::Mark, row.BonusMarked ? PayMark : QString());
            grid.setTextMatrix(line, BonusCol::Name, row.Name);
            grid.setTextMatrix(line, BonusCol::BasePay, CurrencyText(row.BasePayShown));
            grid.setTextMatrix(line, BonusCol::Bonus, CurrencyText(row.Bonus));
            grid.setTextMatrix(line, BonusCol::Row, QString::number(n));
            ++line;
        }
        grid.setRows(line > 1 ? line : RowCount() + 1 - others);
    };
    show(*fgHourly, BonusList::Hourly, BonusList::Salaried);
    show(*fgSalaried, BonusList::Salaried, BonusList::Hourly);
}

int frmPayroll::RowOfBonusLine(const FlexGrid& grid, int line) {
    bool ok = false;
    const int n = grid.textMatrix(line, BonusCol::Row).toInt(&ok);
    return ok ? n : 0;
}

void frmPayroll::SetDepositPanels(bool toGrids) {
    fraHourly->setVisible(toGrids);
    fraDepositSummary->setVisible(!toGrids);
    if (toGrids) return;
    // Paid from an account kept in another program: remind the user of the balance it needs.
    const bool elsewhere = Form<frmSetup>().optAccount[BankChoice::OtherProgram]->isChecked();
    for (QWidget* reminder : {static_cast<QWidget*>(lblDeposit[DepositLabel::BalanceNeeded]), static_cast<QWidget*>(lblDeposit[DepositLabel::GeneralAccount]),
                              static_cast<QWidget*>(imgPointer)})
        reminder->setVisible(elsewhere);
}

// ---- The tax data ----------------------------------------------------------------------------------

TaxSettings StoreTaxSettings(const std::array<Money, 9>& allowance, const QComboBox& nonResident) {
    TaxSettings settings;
    const TaxTables& tables = TheTaxTables();
    settings.Tables = tables.Variables;
    settings.StateFlat = tables.StateFlat;
    settings.LocalFlat = tables.LocalFlat;
    settings.TaxTable = tables.TaxTable;
    settings.Percentage = tables.Percentage;
    settings.Allowance = allowance;
    for (int i = 0; i < nonResident.count(); ++i)
        settings.NonResident << nonResident.itemText(i);
    return settings;
}

TaxSettings frmPayroll::CurrentTaxSettings() const {
    Form<frmTables>(); // the tax settings are loaded with their screen
    TaxSettings settings = StoreTaxSettings(Allowance, *cboNonResident);
    const frmSetup& setup = Form<frmSetup>();
    settings.Match401k = setup.ck401->isChecked();
    settings.MatchingPercent = setup.cboMatching->currentText();
    settings.StateIndex = StateIndex;
    settings.StateTable = GridTexts(*fgStateTaxes);
    return settings;
}

PayQuestions frmPayroll::ScreenQuestions() {
    return {[](const QString& prompt, const QString& title) { return InputBox(prompt, title); },
            [](const QString& text, const QString& title) { MsgBox(text, MsgButtons::OK, title); }};
}

void frmPayroll::CalculateTaxes() {
    cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(false);
    ClearPaymentTotals();
    // The allowances as the tax-table screen shows them now, edited or not.
    LoadAllowances();
    const TaxSettings settings = CurrentTaxSettings();
    PayEngine engine(*this, settings, ScreenQuestions());
    if (const QString problem = engine.SettingsProblem(); !problem.isEmpty()) {
        MsgBox(problem + QStringLiteral("\r\nCorrect it, then Calculate the Taxes again"), MsgButtons::OK,
               QStringLiteral("Tax Tables"));
        cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(true);
        return;
    }
    try {
        // Every wage base is that of the year the checks are dated in, whatever year
        // the totals were last rebuilt for.
        const QDate checkDate = DTPicker2->date();
        MakeYTDs(checkDate);
        CalculatedYear = checkDate.year();
        engine.CalculatePayroll();
        engine.TotalDeductions();
        CalculationCurrent = true;
    } catch (const FileError& error) {
        ReportFileError(error);
        cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(true);
    }
    ShowRows();
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
        case MemoButton::Clear:
            txtMemo->clear();
            txtMemo->setFocus();
            break;
        case MemoButton::Load:
            LoadPayrollMemo();
            break;
        case MemoButton::Save: {
            // Saved with the program's line ends and without trailing blank lines, so that
            // loading and saving again gives the same memo.
            QString text = txtMemo->toPlainText();
            while (text.endsWith(u'\n'))
                text.chop(1);
            if (!text.isEmpty()) SaveMemoText(PayrollMemoFile, text.replace(u'\n', QStringLiteral("\r\n")));
            break;
        }
        case MemoButton::Hide:
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
    if (index >= DepositButton::PrintPayroll && index <= DepositButton::CancelPayroll) mnuBonus->setEnabled(true);
    switch (index) {
    case DepositButton::ProofReport:
        PrintProofReport();
        break;
    case DepositButton::PrintPayroll:
        PrintPayroll();
        break;
    case DepositButton::Recreate:
        // The checks of a run with anything of its posting on file must stay those posted.
        if (RunPartlyPosted()) {
            FinishStopped();
            break;
        }
        // Nothing was posted: the next posting is taken from the changed run.
        posting_.reset();
        SetDepositPanels(true);
        break;
    case DepositButton::CancelPayroll:
        cmdPayroll_Click(PayrollButton::Menu);
        break;
    default:
        break;
    }
}
