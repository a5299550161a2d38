#include "frmHistory.h"

#include "Controls.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "GridRoutines.h"
#include "MainMenu.h"
#include "TaxTables.h"

#include <QAction>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace creator {

namespace {

const QString EmployeeFormat = QStringLiteral(
    "<Employee                      |^EmpNo |^Federal Tax  |>Addl  Tax|>FICA  Tax|>Medicare|>State Tax|>Local Tax|>Hours  |>Gross Pay");
const QString AuxFormat = QStringLiteral(
    "<Employee                      |^Employee No|^Child Support|^Collection  Fee|^  401k Deduction|^Insurance");

const char* const ButtonCaptions[] = {"Return to Main Menu", "Save Payroll", "Toggle Aux Grid", "Calculate Payroll",
                                      "Clear - Start Over"};

const char* const HelpText =
    "1. Select the ending date of the payroll period beside the blinking pointer.\n"
    "2. Click a cell of an employee's row (not the Employee or EmpNo column), type the amount in the "
    "box and click \"Post\": the next column is selected.\n"
    "3. Gross Pay is the last column: posting it moves to the next employee. After the last employee "
    "the Aux Grid opens for child support, collection fees, 401k deductions and insurance.\n"
    "4. Click \"Calculate Payroll\" to total the grids, then \"Save Payroll\".\n"
    "5. Each save writes one period; the date then moves on one month for the next.";

const char* const NotANumber = "Only a number can be posted.\r\nType the figure again, then click Post.";
const char* const NotAFigureCell =
    "Only an employee's figures take a post, not the Employee and Employee No columns or the Totals "
    "row.\r\nClick the cell of the figure, type it, then click Post.";

} // namespace

frmHistory::frmHistory() : Screen(QStringLiteral("frmHistory"), QStringLiteral("Brindle")) {
    setWindowTitle(QStringLiteral("Monthly Summary Entry"));
    buildFace();
    mnuHelp = menuBar()->addAction(QStringLiteral("Toggle Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(mnuHelp, &QAction::triggered, this, &frmHistory::mnuHelp_Click);
    resize(1180, 640);
}

void frmHistory::buildFace() {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* page = new QVBoxLayout(face);

    auto* top = new QHBoxLayout;
    auto* dateLabels = new QVBoxLayout;
    auto* line1 = new QLabel(QStringLiteral("Select the Ending Date for the"), face);
    auto* line2 = new QLabel(QStringLiteral("Payroll that you wish to create"), face);
    dateLabels->addWidget(line1);
    dateLabels->addWidget(line2);
    top->addLayout(dateLabels);
    DTPicker1 = NewControl<QDateEdit>(face, QStringLiteral("DTPicker1"));
    DTPicker1->setCalendarPopup(true);
    DTPicker1->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    line2->setBuddy(DTPicker1);
    top->addWidget(DTPicker1);
    Image2 = NewControl<QLabel>(face, QStringLiteral("Image2"));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_ArrowLeft).pixmap(24, 24));
    top->addWidget(Image2);
    top->addSpacing(16);
    lblCreating = NewControl<QLabel>(face, QStringLiteral("lblCreating"));
    lblCreating->setMinimumWidth(320);
    top->addWidget(lblCreating, 1);
    page->addLayout(top);

    auto* middle = new QHBoxLayout;
    auto* grids = new QVBoxLayout;
    fgEmployees = NewControl<FlexGrid>(face, QStringLiteral("fgEmployees"));
    fgEmployees->setFormatString(EmployeeFormat);
    fgAux = NewControl<FlexGrid>(face, QStringLiteral("fgAux"));
    fgAux->setFormatString(AuxFormat);
    fgAux->view()->setStyleSheet(QStringLiteral("QTableView { background-color: #0000ff; color: white; }"));
    fgAux->hide();
    grids->addWidget(fgEmployees);
    grids->addWidget(fgAux);
    middle->addLayout(grids, 1);
    buildHelpFrame(face);
    middle->addWidget(fraHelp, 0, Qt::AlignTop);
    page->addLayout(middle, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildEntryFrame(face));
    bottom->addStretch(1);
    auto* buttons = new QVBoxLayout;
    NewControls(cmdHistory, face, QStringLiteral("cmdHistory"));
    for (int i = 0; i < HistoryButton::Count; ++i) {
        QPushButton* button = cmdHistory[static_cast<std::size_t>(i)];
        button->setText(QString::fromLatin1(ButtonCaptions[i]));
        connect(button, &QPushButton::clicked, this, [this, i] { cmdHistory_Click(i); });
        buttons->addWidget(button);
    }
    cmdHistory[HistoryButton::ToggleAux]->setToolTip(QStringLiteral("Show/Hide the Employee Aux Grid"));
    bottom->addLayout(buttons);
    page->addLayout(bottom);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmHistory::Timer1_Timer);
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] {
        if (settingDate_) return;
        Timer1->stop();
        Image2->hide();
    });
    connect(fgEmployees, &FlexGrid::clicked, this, &frmHistory::fgEmployees_Click);
    connect(fgAux, &FlexGrid::clicked, this, &frmHistory::fgAux_Click);
}

QWidget* frmHistory::buildEntryFrame(QWidget* parent) {
    fraManual = NewControl<QGroupBox>(parent, QStringLiteral("fraManual"));
    fraManual->setTitle(QStringLiteral("Manually Enter a Figure"));
    auto* layout = new QGridLayout(fraManual);
    auto* enter = new QLabel(QStringLiteral("Enter New Value Here"), fraManual);
    txtAmount = NewControl<QLineEdit>(fraManual, QStringLiteral("txtAmount"));
    txtAmount->setMinimumWidth(140);
    enter->setBuddy(txtAmount);
    cmdPayroll = NewControl<QPushButton>(fraManual, QStringLiteral("cmdPayroll"));
    cmdPayroll->setText(QStringLiteral("Post"));
    layout->addWidget(enter, 0, 0);
    layout->addWidget(txtAmount, 1, 0);
    layout->addWidget(cmdPayroll, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("Enter New Value then click Post"), fraManual), 2, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("The next Column will be selected"), fraManual), 3, 0, 1, 2);
    // A box showing zero empties at the first key, so that what is typed replaces it.
    (new DecimalKeyFilter(txtAmount))->setKeyDownHandler([this](QKeyEvent&) {
        if (txtAmount->text() == ZeroText() || txtAmount->text() == QStringLiteral("0")) txtAmount->clear();
    });
    txtAmount->installEventFilter(this);
    connect(cmdPayroll, &QPushButton::clicked, this, &frmHistory::cmdPayroll_Click);
    return fraManual;
}

void frmHistory::buildHelpFrame(QWidget* parent) {
    fraHelp = NewControl<QGroupBox>(parent, QStringLiteral("fraHelp"));
    fraHelp->setTitle(QStringLiteral("Monthly Summary Help"));
    auto* layout = new QVBoxLayout(fraHelp);
    auto* text = new QLabel(QString::fromLatin1(HelpText), fraHelp);
    text->setObjectName(QStringLiteral("lblHelp"));
    text->setWordWrap(true);
    text->setFixedWidth(280);
    layout->addWidget(text);
    fraHelp->hide();
}

bool frmHistory::eventFilter(QObject* watched, QEvent* event) {
    // An empty box shows zero again when the user leaves it.
    if (watched == txtAmount && event->type() == QEvent::FocusOut && txtAmount->text().isEmpty())
        txtAmount->setText(ZeroText());
    return Screen::eventFilter(watched, event);
}

// ---- Loading -------------------------------------------------------------------------------------

void frmHistory::Form_Load() {
    DTPicker1->setMaximumDate(Today().addDays(-1));
}

void frmHistory::Form_Activate() {
    Image2->show();
    Timer1->start();
    LoadHistoryGrids();
    if (!employeesPresent_) {
        MsgBox(QStringLiteral("There are no Employees to Pay"));
        return returnToMenu();
    }
    // The first month of the year; the picker keeps within the dates it takes.
    settingDate_ = true;
    DTPicker1->setDate(QDate(Today().year(), 1, 31));
    settingDate_ = false;
    // Ready for the first figure: the first employee's federal tax.
    fgEmployees->setRow(1);
    fgEmployees->setCol(HistoryCol::Federal);
    fgEmployees_Click(1, HistoryCol::Federal);
}

void frmHistory::LoadHistoryGrids() {
    employeesPresent_ = false;
    if (!ReportFileErrors([this] { sheet_.Load(); })) sheet_ = HistorySheet();
    if (sheet_.main.empty()) {
        sheet_.main.resize(2);
        sheet_.aux.resize(2);
    }
    employeesPresent_ = sheet_.employees() > 0;
    for (FlexGrid* grid : {fgEmployees, fgAux})
        grid->setRows(sheet_.employees() + 2);
    showSheet();
}

void frmHistory::ClearHistoryGrids() {
    sheet_.Clear();
    showSheet();
}

void frmHistory::showSheet() {
    for (int r = 1; r < static_cast<int>(sheet_.main.size()); ++r) {
        for (int c = 0; c < HistoryCol::Count; ++c)
            fgEmployees->setTextMatrix(r, c, sheet_.main[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        for (int c = 0; c < AuxCol::Count; ++c)
            fgAux->setTextMatrix(r, c, sheet_.aux[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
    }
}

QString& frmHistory::cell(const FlexGrid* grid, int row, int col) {
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(col);
    return grid == fgEmployees ? sheet_.main[r][c] : sheet_.aux[r][c];
}

// ---- Entering a cell ---------------------------------------------------------------------------------

void frmHistory::fgEmployees_Click(int row, int col) {
    txtAmount->setEnabled(true);
    lblCreating->clear();
    if (row < 1 || row > sheet_.employees()) return;
    if (col == HistoryCol::Hours)
        txtAmount->setText(QStringLiteral("0"));
    else if (col >= HistoryCol::Federal)
        txtAmount->setText(ZeroText());
    txtAmount->setFocus();
    lblCreating->setText(QStringLiteral("Enter ") + fgEmployees->textMatrix(0, col) + QStringLiteral(" for ") +
                         fgEmployees->textMatrix(row, HistoryCol::Name));
}

void frmHistory::fgAux_Click(int row, int col) {
    txtAmount->setEnabled(true);
    lblCreating->clear();
    lblCreating->show();
    if (row < 1 || row > sheet_.employees() || col < AuxCol::ChildSupport) return;
    txtAmount->clear();
    txtAmount->setFocus();
    lblCreating->setText(QStringLiteral("Enter ") + fgAux->textMatrix(0, col) + QStringLiteral("\r\nfor ") +
                         fgAux->textMatrix(row, AuxCol::Name));
}

FlexGrid* frmHistory::visibleGrid() const {
    return fgAux->isHidden() ? fgEmployees : fgAux;
}

// Only an employee's amount cells take a post: the name and number are the employee's
// own, and the Totals row is the grid's sum.
bool frmHistory::postable(const FlexGrid* grid) const {
    const int lastCol = grid == fgEmployees ? HistoryCol::Gross : AuxCol::Insurance;
    return grid->row() >= 1 && grid->row() <= sheet_.employees() && grid->col() >= 2 && grid->col() <= lastCol;
}

void frmHistory::cmdPayroll_Click() {
    if (txtAmount->text().isEmpty()) txtAmount->setText(ZeroText());
    const auto amount = ParseMoney(txtAmount->text());
    if (!amount) {
        refusePost(NotANumber);
        txtAmount->clear();
        return;
    }
    FlexGrid* grid = visibleGrid();
    if (!postable(grid)) return refusePost(NotAFigureCell);
    const int row = grid->row();
    const int col = grid->col();
    if (grid == fgEmployees) {
        cell(grid, row, col) = col == HistoryCol::Hours ? txtAmount->text() : CurrencyText(*amount);
        calculate();
        if (col < HistoryCol::Gross) {
            grid->setCol(col + 1);
        } else if (row == sheet_.employees()) {
            // The last employee's gross: on to the deductions.
            toggleGrids();
            fgAux->setRow(1);
            fgAux->setCol(AuxCol::ChildSupport);
            fgAux_Click(1, AuxCol::ChildSupport);
            return;
        } else {
            grid->setRow(row + 1);
            grid->setCol(HistoryCol::Federal);
        }
        fgEmployees_Click(grid->row(), grid->col());
        txtAmount->clear();
        return;
    }
    cell(grid, row, col) = CurrencyText(*amount);
    showSheet();
    if (col < AuxCol::Insurance) {
        grid->setCol(col + 1);
        fgAux_Click(row, col + 1);
        txtAmount->clear();
        return;
    }
    grid->setCol(AuxCol::ChildSupport);
    if (row == sheet_.employees()) {
        toggleGrids();
        calculate();
        return;
    }
    grid->setRow(row + 1);
    fgAux_Click(row + 1, AuxCol::ChildSupport);
}

void frmHistory::refusePost(const char* why) {
    AlarmBeep();
    MsgBox(QString::fromLatin1(why), MsgButtons::OK, QStringLiteral("Post"));
    txtAmount->setFocus();
}

// ---- Commands ------------------------------------------------------------------------------------

void frmHistory::cmdHistory_Click(int index) {
    switch (index) {
    case HistoryButton::Menu:
        returnToMenu();
        break;
    case HistoryButton::Save:
        save();
        break;
    case HistoryButton::ToggleAux:
        toggleGrids();
        break;
    case HistoryButton::Calculate:
        calculate();
        break;
    case HistoryButton::Clear:
        if (MsgBox(QStringLiteral("Click YES to DELETE ALL ENTIES and START OVER"), MsgButtons::YesNo,
                   QStringLiteral("Delete Payroll")) == MsgAnswer::Yes)
            ClearHistoryGrids();
        break;
    default:
        break;
    }
}

void frmHistory::calculate() {
    ReportFileErrors([this] { sheet_.Calculate(TheTaxTables().Variables, OleDateOf(DTPicker1->date())); });
    showSheet();
}

void frmHistory::save() {
    // A period with nothing in it, or one just saved, is no payroll.
    if (!sheet_.HasEntries()) {
        MsgBox(QStringLiteral("There are no entries to Save"), MsgButtons::OK, QStringLiteral("Save Payroll"));
        return;
    }
    if (MsgBox(QStringLiteral("Verify your entries and click YES if Correct"), MsgButtons::YesNo,
               QStringLiteral("Save Payroll")) != MsgAnswer::Yes)
        return;
    // The summary carries the totals of the cells as they are saved.
    calculate();
    const double date = OleDateOf(DTPicker1->date());
    if (!ReportFileErrors([this, date] { sheet_.Save(date); })) return;
    MsgBox(QStringLiteral("The Payroll Summary Record has been written"), MsgButtons::OK,
           QStringLiteral("Record Written"));
    ClearHistoryGrids();
    settingDate_ = true;
    DTPicker1->setDate(DTPicker1->date().addMonths(1));
    settingDate_ = false;
}

void frmHistory::toggleGrids() {
    UnhookGridWheel();
    lblCreating->clear();
    const bool auxShown = fgAux->isHidden();
    fgAux->setVisible(auxShown);
    fgEmployees->setVisible(!auxShown);
    HookGridWheel(this, auxShown ? fgAux : fgEmployees);
}

void frmHistory::returnToMenu() {
    UnhookGridWheel();
    Unload();
    ShowMainMenu();
}

void frmHistory::mnuHelp_Click() {
    fraHelp->setVisible(fraHelp->isHidden());
}

void frmHistory::Timer1_Timer() {
    Image2->setVisible(Image2->isHidden());
}

} // namespace creator
