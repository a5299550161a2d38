#include "frmMain.h"

#include "Annual.h"
#include "BusinessData.h"
#include "Controls.h"
#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "Dialogs.h"
#include "EmployeeYear.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "GridRoutines.h"
#include "PayFiles.h"
#include "PrintRoutines.h"
#include "Printer.h"
#include "Records.h"
#include "ReportPrinting.h"
#include "YearOffload.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace yearend {

namespace {

constexpr int YearsListed = 10;

const char* const ButtonCaptions[] = {"&END", "&Offload", "&Restore", "&Print Reports"};

struct Caption {
    int index;
    const char* text;
};
const Caption LabelCaptions[] = {
    {0, "Use this routine to Offload all Payroll Records for a completed year"},
    {1, "Select the Year to Offload or Restore"},
    {2, "Click Offload"},
    {3, "Use this routine to Restore Payroll Records which were previouisly Offloaded"},
    {4, "Click Restore"},
    {5, "Use this routine only after a Calendar Year has been completed"},
    {7, "Offload the year's payroll data to make subsequent payrolls run faster"},
    {8, "You can print Employee Reports prior to Offloading"},
    {12, " Records are offloaded to your Quillmoore/Backup Folder"},
    {14, "and can be restored if needed"},
    {15, "Select the Year (above)"},
};

// Column headings and widths (twips) of the W-2 grid.
const char* const GridFormat = "^No|^SS|<Name|>Gross|>FIT|>FICA|>FICA|>Med|>St|>Local|>Ins";
constexpr int ColumnWidths[] = {700, 1300, 3400, 1300, 1200, 1300, 1100, 1100, 1100, 1000, 1100};

void ShowUnfinished(const FileError& error, const QString& action) {
    ReportFileError(error);
    MsgBox(QStringLiteral("The %1 did not finish; no record has been lost.\r\nClick %1 again to finish it.")
               .arg(action));
}

// An offload or restore of the year that stopped part-way, and what finishes it.
QString UnfinishedText(const QString& year, const QString& action) {
    return QStringLiteral("The %1 of %2 did not finish.\r\nChoose %2 and click %1 again to finish it.").arg(action, year);
}

} // namespace

frmMain::frmMain() : Screen(QStringLiteral("frmMain"), QStringLiteral("Annual")) {
    setWindowTitle(QStringLiteral("Fenwright "));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    for (int i = 0; i < 4; ++i) {
        cmdOffload[static_cast<std::size_t>(i)] = NewControl<QPushButton>(face, ControlName(QStringLiteral("cmdOffload"), i));
        cmdOffload[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(ButtonCaptions[i]));
        connect(cmdOffload[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdOffload_Click(i); });
    }
    for (const Caption& c : LabelCaptions) {
        QLabel*& label = lblOffload[static_cast<std::size_t>(c.index)];
        label = NewControl<QLabel>(face, ControlName(QStringLiteral("lblOffload"), c.index));
        label->setText(QString::fromLatin1(c.text));
    }
    const auto lbl = [this](int i) { return lblOffload[static_cast<std::size_t>(i)]; };
    cboYear = NewControl<QComboBox>(face, QStringLiteral("cboYear"));
    cboYear->setMinimumContentsLength(6);
    lbl(1)->setBuddy(cboYear);
    connect(cboYear, &QComboBox::currentTextChanged, this, [this](const QString& year) {
        if (!fillingYears_) TellUnfinished(year);
    });

    fraEmployees = NewControl<QGroupBox>(face, QStringLiteral("fraEmployees"));
    fraEmployees->setTitle(QStringLiteral("Employee Earnings and Withholdings"));
    fgEmployeeData = NewControl<FlexGrid>(fraEmployees, QStringLiteral("fgEmployeeData"));
    fgEmployeeData->setFormatString(QString::fromLatin1(GridFormat));
    for (int c = 0; c < fgEmployeeData->cols(); ++c)
        fgEmployeeData->setColWidth(c, ColumnWidths[c]);
    auto* inFrame = new QVBoxLayout(fraEmployees);
    inFrame->addWidget(fgEmployeeData);

    auto* top = new QHBoxLayout;
    top->addWidget(lbl(1));
    top->addWidget(cboYear);
    top->addStretch(1);
    top->addWidget(cmdOffload[PrintButton]);
    top->addWidget(cmdOffload[EndButton]);

    const auto stack = [](std::initializer_list<QWidget*> widgets, QWidget* button) {
        auto* column = new QVBoxLayout;
        for (QWidget* w : widgets)
            column->addWidget(w);
        column->addWidget(button, 0, Qt::AlignLeft);
        column->addStretch(1);
        return column;
    };
    auto* actions = new QHBoxLayout;
    actions->addLayout(stack({lbl(5), lbl(0), lbl(7), lbl(8), lbl(12), lbl(14), lbl(2)}, cmdOffload[OffloadButton]), 1);
    actions->addSpacing(24);
    actions->addLayout(stack({lbl(3), lbl(15), lbl(4)}, cmdOffload[RestoreButton]), 1);

    auto* page = new QVBoxLayout(face);
    page->addLayout(top);
    page->addLayout(actions);
    page->addWidget(fraEmployees, 1);
    resize(1100, 640);
}

void frmMain::Form_Load() {
    fillingYears_ = true;
    cboYear->clear();
    const int thisYear = Today().year();
    for (int year = thisYear - 1; year >= thisYear - YearsListed; --year)
        cboYear->addItem(QString::number(year));
    cboYear->setCurrentIndex(0);
    fillingYears_ = false;
}

void frmMain::TellUnfinishedYears() {
    QStringList lines;
    for (const QString& year : yearend::UnfinishedYears())
        lines << UnfinishedText(year, yearend::UnfinishedAction(year));
    if (!lines.isEmpty()) MsgBox(lines.join(QStringLiteral("\r\n")));
}

bool frmMain::TellUnfinished(const QString& year, const QString& refused) {
    const QString action = yearend::UnfinishedAction(year);
    if (action.isEmpty()) return false;
    MsgBox(UnfinishedText(year, action) + refused);
    return true;
}

QString frmMain::chosenYear() const {
    return cboYear->currentText();
}

void frmMain::cmdOffload_Click(int index) {
    ReportFileErrors([&] {
        // Counting goes through the existence test, which puts back a missing file from
        // Backup and says so, before anything else is done.
        EmployeeCount = RecordCount(EmployeeFile, EmployeeRecord::Length);
        RecordCount(SummaryRecordsFile, SummaryRecord::Length);
        switch (index) {
        case EndButton:
            EndProgram();
            break;
        case OffloadButton:
            Offload();
            break;
        case RestoreButton:
            Restore();
            break;
        case PrintButton:
            PrintReports();
            break;
        default:
            break;
        }
    });
}

void frmMain::Offload() {
    const QString year = chosenYear();
    if (yearend::YearOffloaded(year)) {
        MsgBox(year + QStringLiteral(" has been previously offloaded\r\nProcess will be aborted"));
        return;
    }
    try {
        yearend::OffloadYear(year, EmployeeCount);
    } catch (const FileError& error) {
        ShowUnfinished(error, QStringLiteral("Offload"));
        return;
    }
    MsgBox(QStringLiteral("The Payroll Records have been Off Loaded"));
}

void frmMain::Restore() {
    const QString year = chosenYear();
    try {
        // An offload that stopped part-way is finished first, so that every record of
        // the year is in the year folder.
        if (QFileInfo::exists(DataPath(yearend::OffloadingFolder(year)))) yearend::OffloadYear(year, EmployeeCount);
        const bool unfinished = QFileInfo::exists(DataPath(yearend::RestoringFolder(year)));
        const yearend::RestoreCheck check = yearend::CheckRestore(year, EmployeeCount);
        if (!check.strangers.isEmpty()) {
            const QString folder = unfinished ? yearend::RestoringFolder(year) : yearend::YearFolder(year);
            MsgBox(QStringLiteral("The folder %1 holds what no Offload put there:\r\n%2\r\nNothing has been "
                                  "restored. Move these out of the folder, then Restore again.")
                       .arg(ShownFileName(folder), check.strangers.join(QStringLiteral("\r\n"))),
                   MsgButtons::OK, QStringLiteral("Restore"));
            return;
        }
        if (!check.anyRecords && !unfinished) {
            MsgBox(QStringLiteral("No Payrolls for this year Exist"));
            return;
        }
        yearend::RestoreYear(year, EmployeeCount);
    } catch (const FileError& error) {
        ShowUnfinished(error, QStringLiteral("Restore"));
        return;
    }
    MsgBox(QStringLiteral("The Payroll Records have been Restored"));
    EndProgram();
}

void frmMain::PrintReports() {
    // Part of the year's records are in the live files and part in the year folder: its
    // totals would be wrong.
    if (TellUnfinished(chosenYear(), QStringLiteral("\r\nUntil then its W-2 Summary cannot be printed."))) return;
    LoadW2Grid();
    RunPrintJob([this] {
        ShowPrinterDialog();
        SetupPrinter(QStringLiteral("Landscape"));
        PrintW2Summary();
    });
}

int frmMain::LoadW2Grid() {
    ClearGrid(*fgEmployeeData);
    const int year = chosenYear().toInt();
    // Employees never paid here keep the totals typed for this year in the file; the
    // grid shows zeros for them, as for every year without their pay records.
    MakeYTDs(QDate(year, 1, 1));
    const std::vector<EmployeeYearRow> rows = GatherEmployeeYear(LoadTaxVariables(), year == Today().year());
    if (rows.empty()) {
        MsgBox(QStringLiteral("No Employee Records exist for the date range Selected"));
        return 0;
    }
    fgEmployeeData->setRows(static_cast<int>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto cells = W2GridCells(rows[i]);
        for (std::size_t c = 0; c < cells.size(); ++c)
            fgEmployeeData->setTextMatrix(static_cast<int>(i) + 1, static_cast<int>(c), cells[c]);
    }
    return static_cast<int>(rows.size());
}

void frmMain::PrintW2Summary() {
    W2SummaryLook look;
    look.subTitle = QStringLiteral("For the Period Ending 12/31/ ") + chosenYear();
    look.titleDrop = TwipsPerInch;
    look.underlinedTitle = true;
    look.ruledHeadings = true;
    look.doubleSpaced = true;
    look.boldLastRow = true;
    // The heading shows the business as MyBusinessData.txt holds it now.
    ReadBusinessData();
    ::PrintW2Summary(CellsOf(*fgEmployeeData), look);
    MsgBox(QStringLiteral("The Report has been Printed\r\nCheck Your Printer"));
}

std::optional<Money> LoadTaxVariables() {
    FileExists(TaxVariablesFile);
    TextInput in = OpenInput(TaxVariablesFile);
    QString socialSecurityMaximum;
    for (int item = 0; item < 7; ++item)
        socialSecurityMaximum = in.readText();
    if (in.isShort()) {
        ReportShortFile(TaxVariablesFile);
        return std::nullopt;
    }
    return MaximumOf(socialSecurityMaximum);
}

} // namespace yearend
