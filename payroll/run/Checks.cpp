#include "Checks.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Dates.h"
#include "PayRun.h"
#include "PrintRoutines.h"
#include "Printer.h"

#include <QImage>

namespace {

const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

constexpr double MemoTop = 1800;    // 1.25 in
constexpr double MemoBottom = 2520; // 1.75 in
constexpr std::int16_t MemoLeft = 1440;
constexpr std::int16_t MemoWidth = 7200;
// The rule under each heading block: 0.5 in to 10.25 in.
constexpr double RuleFrom = 720;
constexpr double RuleTo = 14760;

// The columns of a stub's two amount rows.
constexpr std::array<float, 6> TaxColumns{3.6f, 4.4f, 5.2f, 6.0f, 6.8f, 7.6f};
constexpr std::array<float, 4> DeductionColumns{3.6f, 4.4f, 5.2f, 6.0f};

// A text at x on the current line, the line going on after it.
void Item(float x, const QString& text, const QColor& colour = Black) {
    SetPrintPosition(x, 0);
    Printer& printer = ThePrinter();
    printer.setForeColor(colour);
    printer.printSameLine(text);
    printer.setForeColor(Black);
}

void EndLine() {
    ThePrinter().print();
}

void PrintAt(float x, const QString& text) {
    SetPrintPosition(x, 0);
    ThePrinter().print(text);
}

void PrintRule() {
    Printer& printer = ThePrinter();
    const double y = printer.currentY();
    printer.line(RuleFrom, y, RuleTo, y, Black);
    EndLine();
}

// Texts at the given columns, then the end of the line.
template <std::size_t N>
void PrintColumns(const std::array<float, N>& columns, const std::array<QString, N>& texts) {
    for (std::size_t i = 0; i < N; ++i)
        Item(columns[i], texts[i]);
    EndLine();
}

QString CityLine(const EmployeeRecord& e) {
    return TrimmedField(e.City) + QStringLiteral(", ") + TrimmedField(e.State) + u' ' + TrimmedField(e.Zip);
}

void PrintStubHeader(float top, const PayPage& page) {
    const EmployeeRecord& e = page.employee;
    SetPrintFont(10, true, false);
    SetPrintPosition(2.75f, top);
    ThePrinter().printSameLine(TrimmedField(e.Name));
    PrintAt(6.0f, QStringLiteral("Pay Period Ending: ") + ShortDateText(page.periodEnding));
    Item(2.75f, TrimmedField(e.Address));
    PrintAt(6.0f, top == 0.5f ? QStringLiteral("(Employee Copy)") : QStringLiteral("(File Copy)"));
    if (!TrimmedField(e.Address2).isEmpty()) PrintAt(2.75f, TrimmedField(e.Address2));
    if (!TrimmedField(e.City).isEmpty()) PrintAt(2.75f, CityLine(e));
    SetPrintFont(10, false, false);
}

void PrintStubHeadings(float top) {
    SetPrintPosition(0, top + 1.5f);
    SetPrintFont(6, true, false);
    Item(0.5f, QStringLiteral("Emp No."));
    Item(1.0f, QStringLiteral("Hours"));
    Item(1.8f, QStringLiteral("Net Pay"), Blue);
    Item(2.6f, QStringLiteral("Gross Pay"));
    PrintColumns(TaxColumns,
                 {QStringLiteral("FIT"), QStringLiteral("Add'l FIT"), QStringLiteral("FICA"),
                  QStringLiteral("Medicare"), QStringLiteral("State Tax"), QStringLiteral("Local Tax")});
    Item(1.8f, QStringLiteral("SSN"));
    Item(2.6f, QStringLiteral("Gross(YTD)"));
    PrintColumns(TaxColumns,
                 {QStringLiteral("FIT(YTD)"), QStringLiteral("Add'l (YTD)"), QStringLiteral("FICA(YTD)"),
                  QStringLiteral("Med(YTD)"), QStringLiteral("State(YTD)"), QStringLiteral("Local(YTD)")});
    PrintRule();
}

// The amounts begin in the headings' font (6 bold); the net pay stands out in blue, and
// everything after it on the stub prints black, not bold.
void PrintStubAmounts(const PayPage& page) {
    const EmployeeRecord& e = page.employee;
    Item(0.5f, page.employeeNo);
    Item(1.0f, page.hours);
    Item(1.8f, CurrencyText(page.netPay), Blue);
    SetPrintFont(6, false, false);
    Item(2.6f, CurrencyText(page.gross));
    PrintColumns(TaxColumns, page.taxes);
    Item(1.8f, MaskedSsn(e.SSN));
    Item(2.6f, CurrencyText(e.YTDGross));
    PrintColumns(TaxColumns,
                 {CurrencyText(e.YTDFederal), CurrencyText(e.YTDExtraFederal), CurrencyText(e.YTDFica),
                  CurrencyText(e.YTDMedicare), CurrencyText(e.YTDState), CurrencyText(e.YTDLocal)});
}

// In the amounts' font, as it was left: 6 point, not bold.
void PrintDeductions(const PayPage& page) {
    const EmployeeRecord& e = page.employee;
    const QString ytd = QStringLiteral("YTD");
    PrintColumns(DeductionColumns, {QStringLiteral("401k"), QStringLiteral("Child Support"),
                                    QStringLiteral("Collection Fee"), QStringLiteral("Insurance")});
    PrintColumns(DeductionColumns, {ytd, ytd, ytd, ytd});
    PrintRule();
    PrintColumns(DeductionColumns, {page.deduction401k, page.childSupport, page.supportFee, page.insurance});
    PrintColumns(DeductionColumns, {CurrencyText(e.YTD401k), CurrencyText(e.YTDChildSupport),
                                    CurrencyText(e.YTDSupportFee), CurrencyText(e.YTDInsurance)});
}

} // namespace

PayPage PayPageOfRow(const PayRow& payRow, int row, const EmployeeRecord& employee) {
    PayPage page;
    page.row = row;
    page.employee = employee;
    page.employeeNo = payRow.Number;
    page.hours = payRow.Hours;
    for (int col = PayCol::FirstTax; col <= PayCol::LastTax; ++col)
        page.taxes[static_cast<std::size_t>(col - PayCol::FirstTax)] = payRow.EmployeeText(col);
    page.deduction401k = payRow.AuxText(AuxCol::Deduction401k);
    page.childSupport = payRow.AuxText(AuxCol::ChildSupport);
    page.supportFee = payRow.AuxText(AuxCol::SupportFee);
    page.insurance = payRow.AuxText(AuxCol::Insurance);
    page.gross = payRow.Gross;
    page.netPay = payRow.NetPay;
    return page;
}

QString MaskedSsn(const QString& ssn) {
    return QStringLiteral("XXX-XX-") + TrimmedField(ssn).right(4);
}

void LoadEmployeePicture(int row) {
    const QString name =
        PictureFile(QString::number(row + 1000));
    if (!FileExists(name)) return;
    const QImage photo(DataPath(name));
    if (photo.isNull()) return;
    // Fitted into the box, its proportions kept.
    const QSizeF size = QSizeF(photo.size()).scaled(PictureWidth, PictureHeight, Qt::KeepAspectRatio);
    ThePrinter().paintPicture(photo, PictureX, PictureY, size.width(), size.height());
}

void PrintMemo(const QStringList& items) {
    if (items.isEmpty()) return;
    Printer& printer = ThePrinter();
    SetPrintFont(10, true, false);
    printer.setCurrentY(MemoTop);
    for (const QString& item : items) {
        if (printer.currentY() > MemoBottom) break;
        PrintWrapped(MemoLeft, static_cast<std::int16_t>(printer.currentY()), MemoWidth, 720, item);
    }
}

QStringList MemoToPrint(const QString& memoBox) {
    QStringList items;
    if (!FileExists(PayrollMemoFile)) {
        // Typed but never saved: the memo as the box shows it.
        items = memoBox.split(u'\n');
        for (QString& line : items)
            if (line.endsWith(u'\r')) line.chop(1);
        return items;
    }
    TextInput memo = OpenInput(PayrollMemoFile);
    while (!memo.atEnd())
        items << memo.readText();
    return items;
}

void PrintPaySlip(float top, const PayPage& page) {
    PrintStubHeader(top, page);
    PrintStubHeadings(top);
    PrintStubAmounts(page);
    PrintDeductions(page);
}

void PrintSlipAddress(const EmployeeRecord& e) {
    SetPrintFont(10, true, false);
    SetPrintPosition(1.0f, 5.5f);
    ThePrinter().print(TrimmedField(e.Name));
    PrintAt(1.0f, TrimmedField(e.Address));
    if (!TrimmedField(e.Address2).isEmpty()) PrintAt(1.0f, TrimmedField(e.Address2));
    if (!TrimmedField(e.City).isEmpty()) PrintAt(1.0f, CityLine(e));
}

void PrintPayPage(const PayPage& page, bool paySlip, const QStringList& memo) {
    const EmployeeRecord& e = page.employee;
    LoadEmployeePicture(page.row);
    PrintMemo(memo);
    PrintPaySlip(0.5f, page);
    if (paySlip) {
        PrintSlipAddress(e);
        return;
    }
    PrintPayeeBlock(page.checkDate, e.Name, e.Address, e.City, e.State, e.Zip, page.netPay);
    PrintPaySlip(7.0f, page);
}
