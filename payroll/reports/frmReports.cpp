#include "frmReports.h"

#include "Controls.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "FlexGrid.h"
#include "MainMenu.h"
#include "PayEngine.h"
#include "Posting.h"
#include "PrintRoutines.h"
#include "Printer.h"
#include "ReportPrinting.h"
#include "WebPage.h"
#include "frmTables.h"

#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Report options.
enum : int { W2Report = 0, UnemploymentDetailReport = 4, Form944Report = 8 };
constexpr int LastYearLabel = LastYearLabelIndex;
constexpr int YearToDateLabel = YearToDateLabelIndex;

const QColor OrdinaryBack = VbColor(0xFFFFFF);
const QColor OrdinaryText = VbColor(0xFF0000);

QString Cash(Money m) {
    return CurrencyText(m);
}

void ClearCells(FlexGrid& grid, bool paint) {
    for (int r = 1; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) {
            grid.setTextMatrix(r, c, QString());
            if (paint) {
                grid.setCellBackColor(r, c, OrdinaryBack);
                grid.setCellForeColor(r, c, OrdinaryText);
            }
        }
}

QString TaxText(int index) {
    return Form<frmTables>().TxtTables[static_cast<std::size_t>(index)]->text();
}

} // namespace

const std::array<ReferencePage, 16> ReferencePages{{
    {"mnuW2", "Preparing W-2 Forms", "https://www.irs.gov/pub/irs-pdf/fw2.pdf"},
    {"mnu940", "Prepare Form 940 Annual FUTA", "https://www.irs.gov/pub/irs-pdf/f940.pdf"},
    {"mnu944", "Prepare Form 944 Annual Report", "https://www.irs.gov/pub/irs-pdf/f944.pdf"},
    {"mnu941", "Prepare Form 941 Quarterly Report", "https://www.irs.gov/pub/irs-pdf/f941.pdf"},
    {"mnuW4", "Prepare Form W-4 Employee Withholding", "https://www.irs.gov/pub/irs-pdf/fw4.pdf"},
    // The short individual return was withdrawn; the one Form 1040 took its place.
    {"mnu1040ez", "Prepare 1049 EZ", "https://www.irs.gov/pub/irs-pdf/f1040.pdf"},
    {"mnuMisc", "Prepare 1099-misc (payment to Contractors)", "https://www.irs.gov/pub/irs-pdf/f1099msc.pdf"},
    {"mnuUnderstanding", "Understanding Employement Taxes",
     "https://www.irs.gov/businesses/small-businesses-self-employed/understanding-employment-taxes"},
    {"mnuSearch", "Search IRS", "https://www.irs.gov/site-index-search?search=940"},
    {"mnuCircular", "View Circular E (Employer's Guide)", "https://www.irs.gov/pub/irs-pdf/p15a.pdf"},
    {"mnuAboutW2", "About Form W-2 ", "https://www.irs.gov/forms-pubs/about-form-w-2"},
    {"mnuAbout940", "About Form 940", "https://www.irs.gov/forms-pubs/about-form-940"},
    {"mnuAbout941", "About Form 941", "https://www.irs.gov/forms-pubs/about-form-941"},
    {"mnuStateRates", "Find State TaxRates and Forms", "https://www.usa.gov/state-taxes"},
    {"mnuCalTaxes", "How to Calculate Taxes", "https://www.irs.gov/pub/irs-pdf/p15t.pdf"},
    {"mnuEFTPS", "Inroll in EFT Payment System", "https://www.eftps.gov/eftps/"},
}};

// ---- Opening --------------------------------------------------------------------------------------

void frmReports::Form_Load() {
    lstQuarter->clear();
    for (const char* item : {"1stQ, Current Year", "2ndQ, Current Year", "3rdQ, Current Year", "4thQ, Current Year",
                             "1stQ, Last Year", "2ndQ, Last Year", "3rdQ, Last Year", "4thQ, Last Year"})
        lstQuarter->addItem(QString::fromLatin1(item));
    // All eight presets in view at once.
    lstQuarter->setFixedHeight(lstQuarter->sizeHintForRow(0) * lstQuarter->count() + 2 * lstQuarter->frameWidth());
}

void frmReports::Form_Activate() {
    DTEnd->setDate(Today());
    DTStart->setDate(Today());
    fgReports->setRows(2);
    lstQuarter->setCurrentRow(0);
    lstQuarter_Click();
    fraReports->hide();
}

void frmReports::Form_QueryUnload(UnloadMode mode, bool& cancel) {
    // Closed with the close box: the program ends, and the employee file keeps this
    // year's totals all the same.
    if (mode == UnloadMode::UserClose && loadedYear_) ReportFileErrors([] { MakeYTDs(Today()); });
    Screen::Form_QueryUnload(mode, cancel);
}

int frmReports::ReportIndex() const {
    for (int i = 0; i < static_cast<int>(optReports.size()); ++i)
        if (optReports[static_cast<std::size_t>(i)]->isChecked()) return i;
    return 9;
}

QDate frmReports::StartDate() const {
    return DTStart->date();
}

QDate frmReports::EndDate() const {
    return DTEnd->date();
}

// ---- Dates ------------------------------------------------------------------------------------------

void frmReports::setRange(const DateRange& range) {
    DTStart->setDate(range.first);
    DTEnd->setDate(range.second);
}

void frmReports::lstQuarter_Click() {
    const int item = lstQuarter->currentRow();
    if (item >= 0) setRange(QuarterRange(item, Today()));
}

void frmReports::Label1_Click(int index) {
    if (!Label1[static_cast<std::size_t>(index)]->isEnabled()) return;
    if (index == YearToDateLabel) setRange(YearToDateRange(Today()));
    if (index == LastYearLabel) SelectLastYear();
}

void frmReports::SelectLastYear() {
    setRange(LastYearRange(Today()));
}

// ---- Choosing a report ----------------------------------------------------------------------------

void frmReports::optReports_Click(int index) {
    optReports[static_cast<std::size_t>(index)]->setChecked(true);
    ClearAllGrids();
    for (QWidget* w : {static_cast<QWidget*>(lstQuarter), static_cast<QWidget*>(DTStart),
                       static_cast<QWidget*>(DTEnd)})
        w->setEnabled(true);
    if (index == Form944Report) {
        SelectLastYear();
        Label1[YearToDateLabel]->setEnabled(false);
        lstQuarter->setEnabled(false);
    } else if (index == W2Report || index == 1) {
        MsgBox(QStringLiteral("This is an Annual Report\r\nLast Year will be Selected"), MsgButtons::OK, QString());
        for (QWidget* w : {static_cast<QWidget*>(lstQuarter), static_cast<QWidget*>(DTStart),
                           static_cast<QWidget*>(DTEnd)})
            w->setEnabled(false);
        lstQuarter->setCurrentRow(-1);
        SelectLastYear();
    } else {
        lstQuarter->setCurrentRow(LastQuarterItem(Today()));
        lstQuarter_Click();
    }
}

// ---- Buttons ----------------------------------------------------------------------------------------

void frmReports::cmdReports_Click(int index) {
    switch (index) {
    case 0:
        // A W-2 load left another year's totals in the employee file: this year's come back.
        if (!ReportFileErrors([] { MakeYTDs(Today()); })) return;
        ShowMainMenu();
        Unload();
        break;
    case 1: {
        WaitCursor wait;
        Label1[YearToDateLabel]->setEnabled(true);
        lstQuarter->setEnabled(true);
        ReportFileErrors([this] { LoadReportData(); });
        break;
    }
    case 2:
    case 6:
    case 7:
        PrintReports();
        break;
    case 3:
    case 4:
    case 8:
        HideFrames();
        break;
    default: // "Pay Tax(es)" pays nothing from here
        break;
    }
}

void frmReports::HideFrames() {
    fraReports->hide();
    fraEmployees->hide();
    fraUnemployment->hide();
}

void frmReports::PrintReports() {
    const bool w2 = optReports[W2Report]->isChecked();
    const bool detail = optReports[UnemploymentDetailReport]->isChecked();
    bool summaryPrinted = false;
    RunPrintJob([&] {
        ShowPrinterDialog();
        SetupPrinter(QStringLiteral("Landscape"));
        if (w2) {
            PrintW2Summary(CellsOf(*fgEmployeeData), EndDate());
            summaryPrinted = true;
        }
        if (detail) {
            PrintUnemploymentReport(CellsOf(*fgUnemployment), StartDate(), EndDate());
            HideFrames();
        } else {
            PrintWithholdingSummary(CellsOf(*fgReports), StartDate(), EndDate());
            summaryPrinted = true;
        }
    });
    if (summaryPrinted) cmdReports[2]->setEnabled(false);
}

void frmReports::Image2_Click() {
    fraHide->hide();
}

void frmReports::Image3_Click() {
    fraHide->show();
    fraHide->raise();
}

void frmReports::mnuPage_Click(int index) {
    ConnecttoInternet(QString::fromLatin1(ReferencePages[static_cast<std::size_t>(index)].address));
}

// ---- Loading ----------------------------------------------------------------------------------------

void frmReports::LoadReportData() {
    // Printing is offered only for a report whose files were read whole.
    cmdReports[2]->setEnabled(false);
    // Only the chosen report shows: a frame of the report loaded before goes.
    HideFrames();
    const int index = ReportIndex();
    if (index == W2Report) LoadEmployeeData();
    if (index == UnemploymentDetailReport)
        LoadUnemploymentDetail();
    else
        LoadSummaryReport(index);
    cmdReports[2]->setEnabled(true);
}

void frmReports::ZeroReportTotals() {
    reportTotals_ = {};
}

void frmReports::ClearReportsGrid() {
    ClearCells(*fgReports, true);
}

void frmReports::ClearEmployeeDataGrid() {
    ClearCells(*fgEmployeeData, false);
}

void frmReports::ClearAllGrids() {
    ClearCells(*fgEmployeeData, false);
    ClearCells(*fgReports, false);
}

void frmReports::HighlightGridCell(int row, int col) {
    fgReports->setCellBackColor(row, col, VbColor(0xFF0000));
    fgReports->setCellForeColor(row, col, VbColor(0xFFFFFF));
}

void frmReports::LoadSummaryReport(int reportIndex) {
    ClearReportsGrid();
    const SummaryReport report = GatherSummaryReport(StartDate(), EndDate());
    if (!report.anyRecords) {
        AlarmBeep();
        MsgBox(QStringLiteral("No Payroll Summary Records Exist"), MsgButtons::OK, QString());
        return;
    }
    ZeroReportTotals();
    reportTotals_ = report.totals;
    const int listed = static_cast<int>(report.rows.size());
    fgReports->setRows(listed + 3);
    ClearReportsGrid();
    for (int i = 0; i < listed; ++i) {
        const SummaryRow& row = report.rows[static_cast<std::size_t>(i)];
        fgReports->setTextMatrix(i + 1, 0, ShortDateText(row.PayDate));
        for (int c = 0; c < SummaryAmountCount; ++c)
            fgReports->setTextMatrix(i + 1, c + 1, Cash(row.Amounts[static_cast<std::size_t>(c)]));
    }
    const int totalsRow = listed + 2;
    fgReports->setTextMatrix(totalsRow, 0, QStringLiteral("Totals"));
    for (int c = 0; c < SummaryAmountCount; ++c)
        fgReports->setTextMatrix(totalsRow, c + 1, Cash(reportTotals_[static_cast<std::size_t>(c)]));
    fraReports->show();
    fgReports->setRow(totalsRow);
    for (int col : FormColumns(reportIndex))
        HighlightGridCell(totalsRow, col);
}

int frmReports::LoadEmployeeData() {
    ClearEmployeeDataGrid();
    loadedYear_ = true;
    // The rebuild keeps the totals typed for employees never paid here (clearing them
    // first would lose them for good); the grid shows them for this year only.
    MakeYTDs(StartDate());
    const QString ssMaximum = TaxText(TaxBox::SocialSecurityMaximum);
    const std::vector<EmployeeYearRow> rows =
        GatherEmployeeYear(IsNoMaximum(ssMaximum) ? std::nullopt : std::optional<Money>(MoneyOf(ssMaximum)),
                           StartDate().year() == Today().year());
    if (rows.empty()) {
        fgEmployeeData->setRows(2);
        fraEmployees->hide();
        MsgBox(QStringLiteral("No Employee Records exist for the date range Selected"), MsgButtons::OK, QString());
        return 0;
    }
    fgEmployeeData->setRows(static_cast<int>(rows.size()) + 1);
    fraEmployees->show();
    fraReports->hide();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const std::array<QString, 11> cells = W2GridCells(rows[i]);
        for (int c = 0; c < 11; ++c)
            fgEmployeeData->setTextMatrix(r, c, cells[static_cast<std::size_t>(c)]);
    }
    return static_cast<int>(rows.size());
}

void frmReports::LoadUnemploymentDetail() {
    const int count = LoadEmployeeData();
    unemploymentTotals_ = {};
    fraUnemployment->show();
    fgUnemployment->setRows(count + 1);
    ClearCells(*fgUnemployment, false);
    const UnemploymentDetail detail = GatherUnemploymentDetail(
        count, StartDate(), EndDate(), UnemploymentRatesOf(TaxText(TaxBox::FutaRate), TaxText(TaxBox::StateUnemploymentRate),
                            TaxText(TaxBox::FutaMaximum), TaxText(TaxBox::StateUnemploymentMaximum)));
    const auto putFigures = [this](int r, const UnemploymentFigures& f) {
        fgUnemployment->setTextMatrix(r, 3, Cash(f.Wages));
        fgUnemployment->setTextMatrix(r, 4, Cash(f.ApplicableState));
        fgUnemployment->setTextMatrix(r, 5, Cash(f.StateTax));
        fgUnemployment->setTextMatrix(r, 6, Cash(f.ApplicableFederal));
        fgUnemployment->setTextMatrix(r, 7, Cash(f.FederalTax));
    };
    for (int r = 1; r <= count; ++r) {
        for (int c = 0; c < 3; ++c)
            fgUnemployment->setTextMatrix(r, c, fgEmployeeData->textMatrix(r, c));
        putFigures(r, detail.rows[static_cast<std::size_t>(r - 1)]);
    }
    unemploymentTotals_ = detail.totals;
    fgUnemployment->setRows(count + 3);
    fgUnemployment->setTextMatrix(count + 2, 2, QStringLiteral("TOTALS"));
    putFigures(count + 2, unemploymentTotals_);
}
