#include "CreatorPayroll.h"

#include "Controls.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "MainMenu.h"
#include "PayFiles.h"
#include "Posting.h"
#include "TaxTables.h"
#include "frmPayroll.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

void LoadCreatorPayroll() {
    Form<creator::frmPayroll>();
}

void ShowCreatorPayroll() {
    ShowScreen<creator::frmPayroll>();
}

namespace creator {

namespace {

const QString EmployeesFormat =
    QStringLiteral("^ Pay|<Employee                      |^EmpNo |^ Hours|^Fed Tax  |>Addl Fed Tax|>FICA  Tax|"
                   ">Medicare|>State Tax|>Local Tax|>Net Pay  |>Gross Pay");
const QString AuxFormat = QStringLiteral("<Employee                           |>Employee No|^Child Support|"
                                         "^Collection  Fee|^  401k Deduction|^Insurance");

const char* const Instructions[] = {
    "Collect all data from previous payrolls",
    "Ensure the Tax Tables reflect the rates in effect for the periods where",
    "you will be creating previous payrolls",
    "Create each payroll individually",
    "Don't forget to enter the payroll ending date for each payroll you create",
    "The grid will be populated with all employees, whether active or terminated",
    "After calculating deductions, you can override any amount",
    "When you complete the creation of a payroll, there are no checks or reports printed",
};

struct Caption {
    int index;
    const char* text;
};
constexpr Caption PayrollCaptions[] = {
    {PayrollButton::Menu, "&Menu"},
    {PayrollButton::ToggleAux, "&Toggle Aux Grid"},
    {PayrollButton::Continue, "Continue &Payroll Creation"},
    {PayrollButton::PaySalaried, "Pay &Salaried"},
    {PayrollButton::ExitHours, "E&xit w/o Posting"},
    {PayrollButton::PayHourly, "Pay &Hourly"},
    {PayrollButton::ExitAmount, "E&xit w/o Posting"},
    {PayrollButton::PostHours, "Post to &Grid"},
    {PayrollButton::ClearLastEntry, "Clear &Last Entry"},
    {PayrollButton::ClearAll, "Clear &All Entries"},
    {PayrollButton::PayAll, "Pay &All"},
    {PayrollButton::CalculateTaxes, "Calculate &Taxes"},
    {PayrollButton::AllForty, "&Set All Hourly to 40 hrs"},
    {PayrollButton::PostAmount, "Post"},
};
constexpr const char* DepositCaptions[5] = {"Save the Payroll Summary", "CONTINUE", "Cancel - Return to Menu",
                                            "Cancel / Redo Payroll", "Cancel - Return to Menu"};

// The pay run's column of what a column of this screen's grids shows.
int RunColumn(int col) {
    if (col == Col::Net) return PayCol::Net;
    if (col == Col::Gross) return PayCol::Gross;
    return col;
}
int RunAuxColumn(int col) {
    return col == AuxColumn::Insurance ? ::AuxCol::Insurance : col;
}

bool IsSalaryOrDay(const QString& hours) {
    return hours == SalaryWord || hours == DayWord;
}

} // namespace

frmPayroll::frmPayroll() : Screen(QStringLiteral("frmPayroll"), QStringLiteral("Brindle")) {
    setWindowTitle(QStringLiteral("Payroll Preparation"));
    setCentralWidget(new QWidget(this));
    BuildStartFrame();
    BuildWorkingFrame();
    BuildSidePanels();
    BuildDepositFrame();
    LayOut();
    ConnectEvents();
    for (QWidget* panel : std::initializer_list<QWidget*>{fraAux, fraHours, fraManual, fraDepositSummary})
        panel->hide();
    for (QWidget* blinking : std::initializer_list<QWidget*>{lblDate, imgArrow}) {
        QSizePolicy policy = blinking->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // the date picker stays put while the prompt blinks
        blinking->setSizePolicy(policy);
    }
    resize(1180, 680);
    ResetRows(0);
}

// ---- The controls ---------------------------------------------------------------------------

void frmPayroll::BuildStartFrame() {
    fraStartup = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraStartup"));
    fraStartup->setTitle(QStringLiteral("General Instructions for Use"));
    lblInstructions = NewControl<QLabel>(fraStartup, QStringLiteral("lblInstructions"));
    QStringList lines;
    for (const char* line : Instructions)
        lines << QString::fromUtf8(line);
    lblInstructions->setText(lines.join(u'\n'));
    for (int i : {DepositButton::Start, DepositButton::CancelStart})
        cmdPrintDeposit[static_cast<std::size_t>(i)] =
            NewControl<QPushButton>(fraStartup, ControlName(QStringLiteral("cmdPrintDeposit"), i));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrintDeposit[DepositButton::Start]);
    buttons->addWidget(cmdPrintDeposit[DepositButton::CancelStart]);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(fraStartup);
    layout->addWidget(lblInstructions);
    layout->addLayout(buttons);
    layout->addStretch(1);
}

void frmPayroll::BuildWorkingFrame() {
    fraHourly = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraHourly"));
    fraHourly->setTitle(QStringLiteral("Payroll Creation Screen"));
    lblDate = NewControl<QLabel>(fraHourly, QStringLiteral("lblDate"));
    imgArrow = NewControl<QLabel>(fraHourly, QStringLiteral("imgArrow"));
    imgArrow->setPixmap(style()->standardIcon(QStyle::SP_ArrowRight).pixmap(24, 24));
    DTPicker1 = NewControl<QDateEdit>(fraHourly, QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    lblDate->setBuddy(DTPicker1);
    lblKey = NewControl<QLabel>(fraHourly, QStringLiteral("lblKey"));
    fgEmployees = NewControl<FlexGrid>(fraHourly, QStringLiteral("fgEmployees"));
    fraAux = NewControl<QGroupBox>(fraHourly, QStringLiteral("fraAux"));
    fraAux->setTitle(QStringLiteral("Employee Aux Grid"));
    fgAux = NewControl<FlexGrid>(fraAux, QStringLiteral("fgAux"));
    (new QVBoxLayout(fraAux))->addWidget(fgAux);
    for (const Caption& caption : PayrollCaptions) {
        auto*& button = cmdPayroll[static_cast<std::size_t>(caption.index)];
        button = NewControl<QPushButton>(fraHourly, ControlName(QStringLiteral("cmdPayroll"), caption.index));
        button->setText(QString::fromUtf8(caption.text));
    }
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    fgEmployees->setFormatString(EmployeesFormat);
    fgAux->setFormatString(AuxFormat);
    for (FlexGrid* grid : {fgEmployees, fgAux}) {
        grid->setRows(1);
        grid->setMinimumHeight(120);
    }
}

void frmPayroll::BuildSidePanels() {
    QWidget* face = centralWidget();
    fraHours = NewControl<QGroupBox>(face, QStringLiteral("fraHours"));
    fraHours->setTitle(QStringLiteral("Manually Enter Hours"));
    txtHours = NewControl<QLineEdit>(fraHours, QStringLiteral("txtHours"));
    auto* hours = new QGridLayout(fraHours);
    hours->addWidget(txtHours, 0, 0, 1, 2);
    fraManual = NewControl<QGroupBox>(face, QStringLiteral("fraManual"));
    fraManual->setTitle(QStringLiteral("Manual Entry"));
    lblManual = NewControl<QLabel>(fraManual, QStringLiteral("lblManual"));
    txtAmount = NewControl<QLineEdit>(fraManual, QStringLiteral("txtAmount"));
    auto* manual = new QGridLayout(fraManual);
    manual->addWidget(lblManual, 0, 0, 1, 2);
    manual->addWidget(txtAmount, 1, 0, 1, 2);
    const auto into = [this](QGroupBox* frame, QGridLayout* layout, int row, int post, int exit) {
        for (int i : {post, exit}) cmdPayroll[static_cast<std::size_t>(i)]->setParent(frame);
        layout->addWidget(cmdPayroll[static_cast<std::size_t>(post)], row, 0);
        layout->addWidget(cmdPayroll[static_cast<std::size_t>(exit)], row, 1);
    };
    into(fraHours, hours, 1, PayrollButton::PostHours, PayrollButton::ExitHours);
    into(fraManual, manual, 2, PayrollButton::PostAmount, PayrollButton::ExitAmount);
    fraNonResident = NewNonResidentFrame(face, cboNonResident);
}

void frmPayroll::BuildDepositFrame() {
    fraDepositSummary = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraDepositSummary"));
    fraDepositSummary->setTitle(QStringLiteral("Deposit and Summary Report Creation"));
    lblSummary = NewControl<QLabel>(fraDepositSummary, QStringLiteral("lblSummary"));
    lblSummary->setText(QStringLiteral("PAYROLL SUMMARY"));
    QFont bold = lblSummary->font();
    bold.setBold(true);
    lblSummary->setFont(bold);
    auto* summary = new QGridLayout;
    summary->addWidget(lblSummary, 0, 0, 1, 2);
    for (int i = 0; i < 14; ++i) {
        QLabel*& caption = lblCaption[static_cast<std::size_t>(i)];
        caption = NewControl<QLabel>(fraDepositSummary, ControlName(QStringLiteral("lblCaption"), i));
        caption->setText(i == PaymentLine::FundsRequired ? QStringLiteral("Total Payroll Commitment")
                                                         : PaymentCaption(i));
        QLabel*& amount = lblPayment[static_cast<std::size_t>(i)];
        amount = NewPaymentAmount(fraDepositSummary, i);
        amount->setText(CurrencyText(Money()));
        summary->addWidget(caption, i + 1, 0);
        summary->addWidget(amount, i + 1, 1);
    }
    auto* side = new QVBoxLayout;
    for (int i : {DepositButton::Save, DepositButton::Redo, DepositButton::CancelToMenu}) {
        auto*& button = cmdPrintDeposit[static_cast<std::size_t>(i)];
        button = NewControl<QPushButton>(fraDepositSummary, ControlName(QStringLiteral("cmdPrintDeposit"), i));
        side->addWidget(button);
    }
    side->addStretch(1);
    for (std::size_t i = 0; i < cmdPrintDeposit.size(); ++i)
        cmdPrintDeposit[i]->setText(QString::fromUtf8(DepositCaptions[i]));
    auto* layout = new QHBoxLayout(fraDepositSummary);
    layout->addLayout(summary, 3);
    layout->addSpacing(24);
    layout->addLayout(side, 2);
}

void frmPayroll::LayOut() {
    auto* dates = new QHBoxLayout;
    dates->addWidget(lblDate);
    dates->addWidget(imgArrow);
    dates->addWidget(DTPicker1);
    dates->addStretch(1);
    dates->addWidget(lblKey);
    auto* grids = new QGridLayout;
    grids->addWidget(fgEmployees, 0, 0);
    grids->addWidget(fraAux, 0, 0);
    auto* buttons = new QGridLayout;
    const int firstRow[] = {0, 3, 5, 10, 14};
    const int secondRow[] = {8, 9, 1, 13, 2};
    for (int c = 0; c < 5; ++c) {
        buttons->addWidget(cmdPayroll[static_cast<std::size_t>(firstRow[c])], 0, c);
        buttons->addWidget(cmdPayroll[static_cast<std::size_t>(secondRow[c])], 1, c);
    }
    auto* hourly = new QVBoxLayout(fraHourly);
    hourly->addLayout(dates);
    hourly->addLayout(grids, 1);
    hourly->addLayout(buttons);

    auto* left = new QVBoxLayout;
    left->addWidget(fraStartup, 1);
    left->addWidget(fraHourly, 1);
    left->addWidget(fraDepositSummary, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(fraHours);
    right->addWidget(fraManual);
    right->addWidget(fraNonResident);
    right->addStretch(1);
    auto* face = new QHBoxLayout(centralWidget());
    face->addLayout(left, 1);
    face->addLayout(right, 0);
    for (QGroupBox* side : {fraHours, fraManual, fraNonResident})
        side->setMaximumWidth(220);
}

void frmPayroll::ConnectEvents() {
    for (std::size_t i = 0; i < cmdPayroll.size(); ++i)
        if (cmdPayroll[i])
            connect(cmdPayroll[i], &QPushButton::clicked, this,
                    [this, i] { cmdPayroll_Click(static_cast<int>(i)); });
    for (std::size_t i = 0; i < cmdPrintDeposit.size(); ++i)
        connect(cmdPrintDeposit[i], &QPushButton::clicked, this,
                [this, i] { cmdPrintDeposit_Click(static_cast<int>(i)); });
    connect(fgEmployees, &FlexGrid::clicked, this, [this] { fgEmployees_Click(); });
    connect(fgAux, &FlexGrid::clicked, this, [this] { fgAux_Click(); });
    connect(Timer1, &QTimer::timeout, this, &frmPayroll::Timer1_Timer);
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
    new DecimalKeyFilter(txtHours);
    new DecimalKeyFilter(txtAmount);
    connect(txtHours, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(PayrollButton::PostHours); });
    connect(txtAmount, &QLineEdit::returnPressed, this, [this] { cmdPayroll_Click(PayrollButton::PostAmount); });
}

// ---- Load and activation ---------------------------------------------------------------------

void frmPayroll::Form_Load() {
    lblKey->setText(PayMark + QStringLiteral("   = Pay Employee"));
    Allowance = TheTaxTables().AllowanceAmounts();
    try {
        LoadNonResidentList(*cboNonResident);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
}

void frmPayroll::Form_Activate() {
    HookGridWheel(this, fgEmployees);
    settingDate_ = true;
    // Payrolls paid before today only.
    DTPicker1->setMaximumDate(Today().addDays(-1));
    settingDate_ = false;
    fraStartup->show();
    fraHourly->hide();
    fraDepositSummary->hide();
    fraHours->hide();
    fraManual->hide();
    fraAux->hide();
    fgEmployees->show();
    lblDate->setText(QStringLiteral("Select the Pay Period Ending Date"));
    lblDate->show();
    imgArrow->show();
    Timer1->start();
    PayRecordsWritten = SummaryWritten = summaryShown_ = false;
    payRecords_.clear();
    payRecordWritten_.clear();
    if (!FileExists(EmployeeFile)) {
        MsgBox(QStringLiteral("There are no Employees to Pay"));
        return cmdPayroll_Click(PayrollButton::Menu);
    }
    LoadEmployees();
    settingDate_ = true;
    DTPicker1->setDate(Today().addDays(-1));
    settingDate_ = false;
}

void frmPayroll::LoadEmployees() {
    ResetRows(0); // an unreadable file lists no one rather than the last run's rows
    try {
        const int count = EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
        ResetRows(count);
        LoadRunRows(*this, count);
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    Totals = RunTotals{};
    for (FlexGrid* grid : {fgEmployees, fgAux}) {
        ClearGrid(*grid);
        grid->setRows(RowCount() + 1);
    }
    if (RowCount() >= 1) Row(1).Marked = true;
    ShowRows();
    for (int n = 1; n <= RowCount(); ++n)
        SetHoursFont(n, false); // hours posted in an earlier run are gone with it
    if (RowCount() >= 1) fgEmployees->setRow(1);
    LastEntryRow = 1;
    SetCalculateEnabled(true);
}

// ---- The grids show the run ---------------------------------------------------------------------

void frmPayroll::ShowRow(int n) {
    const PayRow& row = Row(n);
    for (int c = 0; c < Col::Count; ++c)
        fgEmployees->setTextMatrix(n, c, row.EmployeeText(RunColumn(c)));
    for (int c = 0; c < AuxColumn::Count; ++c)
        fgAux->setTextMatrix(n, c, row.AuxText(RunAuxColumn(c)));
}

void frmPayroll::ShowRows() {
    for (int n = 1; n <= RowCount() && n < fgEmployees->rows(); ++n)
        ShowRow(n);
}

void frmPayroll::SetHoursFont(int row, bool entered) {
    fgEmployees->setCellFontBold(row, Col::Hours, entered);
    fgEmployees->setCellFontSize(row, Col::Hours, entered ? 12 : 9);
}

void frmPayroll::SetCalculateEnabled(bool enabled) {
    cmdPayroll[PayrollButton::CalculateTaxes]->setEnabled(enabled);
}

void frmPayroll::BlankFigures(int row) {
    PayRow& r = Row(row);
    r.ClearFigures();
    r.Gross = r.NetPay = Money();
    ClearManualTaxes(row);
}

// ---- The buttons --------------------------------------------------------------------------------

void frmPayroll::cmdPayroll_Click(int index) {
    switch (index) {
    case PayrollButton::Menu:
        Hide();
        ShowMainMenu();
        break;
    case PayrollButton::ToggleAux:
        ToggleAuxGrid();
        break;
    case PayrollButton::Continue:
        ContinueToSummary();
        break;
    case PayrollButton::PaySalaried:
        MarkRows([](const QString& hours) { return hours == SalaryWord; });
        break;
    case PayrollButton::PayHourly:
        MarkRows([](const QString& hours) { return !IsSalaryOrDay(hours); });
        break;
    case PayrollButton::PayAll:
        MarkRows([](const QString&) { return true; });
        break;
    case PayrollButton::ExitHours:
        fraHours->hide();
        break;
    case PayrollButton::ExitAmount:
        fraManual->hide();
        amountGrid_ = nullptr;
        break;
    case PayrollButton::PostHours:
        PostHours();
        break;
    case PayrollButton::ClearLastEntry:
        if (LastEntryRow >= 1 && LastEntryRow <= RowCount()) {
            BlankFigures(LastEntryRow);
            Row(LastEntryRow).Marked = false;
            ShowRow(LastEntryRow);
        }
        break;
    case PayrollButton::ClearAll:
        ClearAllEntries();
        break;
    case PayrollButton::CalculateTaxes:
        CalculateTaxes();
        break;
    case PayrollButton::AllForty:
        SetAllHoursToForty();
        break;
    case PayrollButton::PostAmount:
        PostAmount();
        break;
    default:
        break;
    }
}

void frmPayroll::cmdPrintDeposit_Click(int index) {
    switch (index) {
    case DepositButton::Save:
        SaveRun();
        break;
    case DepositButton::Start:
        lblDate->setText(QStringLiteral("Select the CHECK Date"));
        fraStartup->hide();
        fraHourly->show();
        Timer1->start();
        break;
    case DepositButton::CancelStart:
    case DepositButton::CancelToMenu:
        cmdPayroll_Click(PayrollButton::Menu);
        break;
    case DepositButton::Redo:
        summaryShown_ = false;
        fraDepositSummary->hide();
        fraHourly->show();
        break;
    default:
        break;
    }
}

void frmPayroll::MarkRows(bool (*pays)(const QString& hours)) {
    for (int n = 1; n <= RowCount(); ++n)
        if (pays(Row(n).Hours)) Row(n).Marked = true;
    ShowRows();
    SetCalculateEnabled(true);
}

void frmPayroll::PostHours() {
    const QString hours = txtHours->text().trimmed();
    if (!IsNumeric(hours)) {
        AlarmBeep();
        txtHours->setFocus();
        return;
    }
    // Into the row the frame was opened for, whatever cell was clicked since.
    if (hoursRow_ >= 1 && hoursRow_ <= RowCount()) {
        Row(hoursRow_).Hours = hours;
        ShowRow(hoursRow_);
        SetHoursFont(hoursRow_, true);
    }
    txtHours->clear();
    fraHours->hide();
}

void frmPayroll::SetAllHoursToForty() {
    bool any = false;
    for (int n = 1; n <= RowCount(); ++n) {
        if (IsSalaryOrDay(Row(n).Hours)) continue;
        Row(n).Hours = QStringLiteral("40");
        SetHoursFont(n, true);
        any = true;
    }
    if (any) SetCalculateEnabled(true);
    fraHours->hide();
    for (int n = 1; n <= RowCount(); ++n) {
        BlankFigures(n);
        Row(n).Marked = false;
    }
    ShowRows();
}

void frmPayroll::ClearAllEntries() {
    for (int n = 1; n <= RowCount(); ++n) {
        BlankFigures(n);
        Row(n).Marked = false;
    }
    ShowRows();
    for (int n = 1; n < fgEmployees->rows(); ++n)
        SetHoursFont(n, false);
    SetCalculateEnabled(false);
}

void frmPayroll::ToggleAuxGrid() {
    UnhookGridWheel();
    const bool auxShown = !fraAux->isVisible();
    fraAux->setVisible(auxShown);
    fgEmployees->setVisible(!auxShown);
    HookGridWheel(this, auxShown ? fgAux : fgEmployees);
}

// ---- Clicks in the grids --------------------------------------------------------------------------

void frmPayroll::fgEmployees_Click() {
    const int row = fgEmployees->row();
    const int col = fgEmployees->col();
    if (row < 1 || row > RowCount()) return;
    PayRow& payRow = Row(row);
    if (col == Col::Mark) {
        LastEntryRow = row;
        payRow.Marked = !payRow.Marked;
        if (!payRow.Marked) BlankFigures(row);
        ShowRow(row);
        if (payRow.Marked || !AnyMarked()) SetCalculateEnabled(payRow.Marked);
    } else if (col == Col::Hours) {
        fraManual->hide();
        payRow.Marked = true;
        if (IsSalaryOrDay(payRow.Hours)) {
            AlarmBeep();
            if (PromptsOn) MsgBox(QStringLiteral("Only hourly employees (Hours) can be changed"));
            fraHours->hide();
            payRow.Marked = false;
            BlankFigures(row);
        } else {
            hoursRow_ = row;
            txtHours->clear();
            fraHours->show();
            txtHours->setFocus();
        }
        ShowRow(row);
    } else if (col >= Col::FirstTax && col <= Col::Gross) {
        if (payRow.Marked)
            OpenManualEntry(fgEmployees, row, col);
        else
            AlarmBeep();
    }
}

void frmPayroll::fgAux_Click() {
    const int row = fgAux->row();
    const int col = fgAux->col();
    if (row >= 1 && row <= RowCount() && col >= AuxColumn::ChildSupport && col <= AuxColumn::Insurance)
        OpenManualEntry(fgAux, row, col);
}

void frmPayroll::OpenManualEntry(FlexGrid* grid, int row, int col) {
    amountGrid_ = grid;
    amountRow_ = row;
    amountCol_ = col;
    lblManual->setText(QStringLiteral("Enter ") + grid->textMatrix(0, col).trimmed() + QStringLiteral(" for\r\n") +
                       Row(row).Name);
    txtAmount->clear();
    fraManual->show();
    txtAmount->setFocus();
}

// A typed amount stands in the cell and in the run's row; the totals stay those of the
// last calculation until Continue sums the rows again.
void frmPayroll::PostAmount() {
    const auto amount = ParseMoney(txtAmount->text());
    if (!amountGrid_ || !amount || amount->raw() < 0 || amountRow_ < 1 || amountRow_ > RowCount()) {
        AlarmBeep();
        txtAmount->setFocus();
        return;
    }
    const Money typed = amount->roundedToCents();
    PayRow& r = Row(amountRow_);
    if (amountGrid_ == fgEmployees) {
        if (amountCol_ == Col::Gross) {
            r.Gross = typed;
            r.GrossShown = typed;
        } else if (amountCol_ == Col::Net) {
            r.NetPay = typed;
            r.NetShown = typed;
        } else {
            r.Tax(amountCol_) = r.ManualTax(amountCol_) = typed;
        }
    } else if (amountCol_ == AuxColumn::ChildSupport) {
        r.ChildSupport = typed;
    } else if (amountCol_ == AuxColumn::SupportFee) {
        r.SupportFee = typed;
    } else if (amountCol_ == AuxColumn::Deduction401k) {
        r.Deduction401k = r.Manual401k = typed;
    } else {
        r.Insurance = typed;
    }
    ShowRow(amountRow_);
    txtAmount->clear();
    fraManual->hide();
    amountGrid_ = nullptr;
}

// ---- Calculate, Continue, Save ---------------------------------------------------------------------

TaxSettings frmPayroll::CurrentTaxSettings() const {
    TaxSettings settings = StoreTaxSettings(Allowance, *cboNonResident);
    settings.Match401k = false; // the creator's records carry no employer match
    return settings;
}

void frmPayroll::CalculateTaxes() {
    Totals = RunTotals{};
    // The allowances as the tax-table screen shows them now, edited or not.
    Allowance = TheTaxTables().AllowanceAmounts();
    const TaxSettings settings = CurrentTaxSettings();
    PayEngine engine(*this, settings, ::frmPayroll::ScreenQuestions(), PayRules::ForRecordsCreator());
    if (const QString problem = engine.SettingsProblem(); !problem.isEmpty()) {
        MsgBox(problem + QStringLiteral("\r\nCorrect it, then Calculate the Taxes again"), MsgButtons::OK,
               QStringLiteral("Tax Tables"));
        return;
    }
    try {
        engine.CalculatePayroll();
        engine.TotalDeductions();
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    ShowRows();
}

// The withholdings and deductions of the summary are those of the pay records as the grids
// show them, typed amounts included, so that the summary record and the pay records of the
// run agree; the unemployment taxes are the last calculation's.
void frmPayroll::ContinueToSummary() {
    RunTotals& t = Totals;
    const Money futa = t.Futa;
    const Money suta = t.Suta;
    t = RunTotals{};
    t.Futa = futa;
    t.Suta = suta;
    for (int n = 1; n <= RowCount(); ++n) {
        const PayRow& r = Row(n);
        if (!r.Marked) continue;
        t.Gross += r.Gross;
        t.Federal += r.TaxAmount(PayCol::Federal);
        t.ExtraFederal += r.TaxAmount(PayCol::ExtraFederal);
        t.FicaEmployee += r.TaxAmount(PayCol::Fica);
        t.MedicareEmployee += r.TaxAmount(PayCol::Medicare);
        t.State += r.TaxAmount(PayCol::State);
        t.Local += r.TaxAmount(PayCol::Local);
        t.ChildSupport += r.ChildSupport.value_or(Money());
        t.SupportFee += r.SupportFee.value_or(Money());
        t.Deduction401k += r.Deduction401k.value_or(Money());
        t.Insurance += r.Insurance.value_or(Money());
    }
    // Both shares: the employer matches the employee's Social Security and Medicare.
    t.FicaBoth = t.FicaEmployee + t.FicaEmployee;
    t.MedicareBoth = t.MedicareEmployee + t.MedicareEmployee;
    fraHourly->hide();
    fraDepositSummary->show();
    SetCalculateEnabled(true);
    const std::array<Money, 15> lines = t.PaymentSummary();
    for (std::size_t i = 0; i < lblPayment.size(); ++i)
        lblPayment[i]->setText(CurrencyText(lines[i]));
    for (int i : {DepositButton::Save, DepositButton::Redo, DepositButton::CancelToMenu})
        cmdPrintDeposit[static_cast<std::size_t>(i)]->setEnabled(true);
    summaryShown_ = true;
}

std::array<QString, 15> frmPayroll::PaymentSummaryTexts() const {
    std::array<QString, 15> texts;
    for (std::size_t i = 0; i < lblPayment.size(); ++i)
        texts[i] = lblPayment[i]->text();
    texts[PaymentLine::Match401k] = CurrencyText(Money());
    return texts;
}

void frmPayroll::SaveRun() {
    // Only a run on its payment summary is saved, and each of its records once.
    if (!summaryShown_) return;
    const double checkDate = OleDateOf(DTPicker1->date());
    try {
        if (!PayRecordsWritten) {
            if (payRecords_.empty()) payRecords_ = PayRecordsOfRun(*this, checkDate);
            SavePayRecords(payRecords_, payRecordWritten_);
            PayRecordsWritten = true;
        }
        if (!SummaryWritten) {
            SaveSummaryRecord(checkDate, PaymentSummaryTexts());
            SummaryWritten = true;
            MsgBox(QStringLiteral("The Payroll Summary Record has been written"), MsgButtons::OK,
                   QStringLiteral("Record Written"));
        }
    } catch (const FileError& error) {
        // What is written stays flagged: pressing Save again writes only the rest.
        ReportFileError(error);
        return;
    }
    for (int i : {DepositButton::Redo, DepositButton::CancelToMenu, DepositButton::Save})
        cmdPrintDeposit[static_cast<std::size_t>(i)]->setEnabled(false);
    MsgBox(QStringLiteral("Employee Records have been updated"), MsgButtons::OK, QStringLiteral("Update Complete"));
    Form_Activate();
}

// ---- The date ------------------------------------------------------------------------------------

void frmPayroll::Timer1_Timer() {
    lblDate->setVisible(lblDate->isHidden());
    imgArrow->setVisible(imgArrow->isHidden());
}

void frmPayroll::DTPicker1_Change() {
    if (settingDate_) return;
    Timer1->stop();
    lblDate->setText(QStringLiteral("Check Date is ") + DTPicker1->date().toString(QStringLiteral("M/d/yyyy")));
    lblDate->show();
    imgArrow->hide();
}

} // namespace creator
