#include "Checking.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "FileErrors.h"
#include "Money.h"
#include "frmSetup.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <array>

namespace {

const QString FirstCheckNumber = QStringLiteral("101");
const QString Personal = QStringLiteral("Personal Checking");
const QString Business = QStringLiteral("Business Checking");

// The general account's overdraft flag as Ambleton stored it (-1 on, 0 off), written
// back unchanged: this program only shows it.
std::int64_t CheckbookOverdraft = 0;

// Where the first `items` items of a delimited file end, read as the file reader reads
// them: the offset of the comma or line end after the last of them (the file's size
// when the file ends first).
qsizetype EndOfItems(const QByteArray& bytes, int items) {
    const qsizetype size = bytes.size();
    const auto isSeparator = [](char c) { return c == ',' || c == '\r' || c == '\n'; };
    qsizetype pos = 0;
    for (int item = 1; item <= items && pos < size; ++item) {
        while (pos < size && (bytes[pos] == ' ' || bytes[pos] == '\t'))
            ++pos;
        if (pos < size && bytes[pos] == '"') {
            pos = bytes.indexOf('"', pos + 1);
            if (pos < 0) return size;
        }
        while (pos < size && !isSeparator(bytes[pos]))
            ++pos;
        if (item == items || pos >= size) return pos;
        if (bytes[pos] == '\r' && pos + 1 < size && bytes[pos + 1] == '\n') ++pos;
        ++pos;
    }
    return std::min(pos, size);
}

// What Ambleton keeps in CheckbookInfo.txt after the eight items this program knows:
// the rest of their line and any further lines, byte for byte, from the separator
// after item 8 on. Read at the moment of saving, so that whatever Ambleton stored
// while this program ran is kept.
QByteArray AmbletonRest() {
    if (!FileExists(CheckbookInfoFile)) return {};
    const QString path = DataPath(CheckbookInfoFile);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path,
                        QStringLiteral("It could not be opened for reading (%1).").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(path, QStringLiteral("It could not be read (%1).").arg(file.errorString()));
    return bytes.mid(EndOfItems(bytes, 8));
}

// A balance that is not a number shows as zero.
QString BalanceText(const QString& item) {
    return CurrencyText(ParseMoney(item).value_or(Money()));
}

void SelectDefaultBankOption(frmSetup& setup) {
    // Without a payroll checkbook a separate payroll account cannot be drawn on, so the
    // general account is the first-run choice. It only stands in for the built-in
    // default, never for a choice the user saved: the setup save writes the general
    // checkbook before the payroll one, and must not undo the option just saved.
    if (FileExists(PayrollCheckbookInfoFile)) return;
    if (FileExists(PayrollInfoFile) && setup.BankOption() >= 0) return;
    setup.SelectBankOption(1);
}

// The general checkbook's tab is shown only for an account: a file of nothing but the
// defaults (as an earlier first setup save wrote one) shows an empty tab otherwise.
void ShowAmbletonTab(frmSetup& setup, bool shown) {
    setup.tabInfo->setTabEnabled(frmSetup::AmbletonTab, shown);
    setup.tabInfo->setTabVisible(frmSetup::AmbletonTab, shown);
}

bool HoldsAccount(const std::array<QString, 5>& items) {
    const auto blank = [](const QString& item) { return item.trimmed().isEmpty(); };
    const auto zero = [](const QString& item) { return ParseMoney(item).value_or(Money()) == Money(); };
    return !blank(items[0]) || !blank(items[1]) || !zero(items[2]) || !zero(items[4]) ||
           !(blank(items[3]) || items[3].trimmed() == FirstCheckNumber);
}

void ShowGeneralDefaults(frmSetup& setup) {
    ShowAmbletonTab(setup, false);
    setup.LblBank[GeneralBankLabel::BankName]->clear();
    setup.LblBank[GeneralBankLabel::AccountNumber]->clear();
    setup.LblBank[GeneralBankLabel::Balance]->setText(CurrencyText(Money()));
    setup.LblBank[GeneralBankLabel::NextCheck]->setText(FirstCheckNumber);
    setup.LblBank[GeneralBankLabel::BeginningBalance]->setText(CurrencyText(Money()));
    setup.LblAcctType->setText(Business);
    setup.ckDeposit->setChecked(false);
    CheckbookOverdraft = 0;
    setup.lblOverdraft->setVisible(false);
}

void ShowGeneralFile(frmSetup& setup) {
    TextInput in = OpenInput(CheckbookInfoFile);
    std::array<QString, 5> items;
    for (QString& item : items)
        item = in.readText();
    CheckbookOverdraft = in.readWhole();
    const std::int64_t accountType = in.readWhole();
    const std::int64_t depositSlips = in.readWhole();
    if (in.isShort()) ReportShortFile(CheckbookInfoFile);

    ShowAmbletonTab(setup, HoldsAccount(items));
    setup.LblBank[GeneralBankLabel::BankName]->setText(items[0]);
    setup.LblBank[GeneralBankLabel::AccountNumber]->setText(items[1]);
    setup.LblBank[GeneralBankLabel::Balance]->setText(BalanceText(items[2]));
    setup.LblBank[GeneralBankLabel::NextCheck]->setText(items[3]);
    setup.LblBank[GeneralBankLabel::BeginningBalance]->setText(BalanceText(items[4]));
    setup.lblOverdraft->setVisible(CheckbookOverdraft == -1);
    if (accountType == 1) {
        // A personal account has no business deposit slips: the box keeps its state.
        setup.LblAcctType->setText(Personal);
    } else {
        setup.LblAcctType->setText(Business);
        setup.ckDeposit->setChecked(depositSlips == -1);
    }
}

} // namespace

void LoadCheckbookInfo() {
    frmSetup& setup = Form<frmSetup>();
    SelectDefaultBankOption(setup);
    if (FileExists(CheckbookInfoFile))
        ShowGeneralFile(setup);
    else
        ShowGeneralDefaults(setup);
}

void LoadPayrollCheckbookInfo() {
    frmSetup& setup = Form<frmSetup>();
    auto& box = setup.txtPayrollBank;
    if (!FileExists(PayrollCheckbookInfoFile)) {
        box[0]->clear();
        box[1]->clear();
        box[2]->setText(CurrencyText(Money()));
        box[3]->setText(FirstCheckNumber);
        box[4]->setText(CurrencyText(Money()));
        setup.optOverdraft->setChecked(false);
        OverdraftFlag = 0;
        return;
    }
    TextInput in = OpenInput(PayrollCheckbookInfoFile);
    std::array<QString, 5> items;
    for (QString& item : items)
        item = in.readText();
    const bool overdraft = in.readFlag();
    if (in.isShort()) ReportShortFile(PayrollCheckbookInfoFile);

    box[0]->setText(items[0]);
    box[1]->setText(items[1]);
    box[2]->setText(BalanceText(items[2]));
    box[3]->setText(items[3]);
    box[4]->setText(BalanceText(items[4]));
    setup.optOverdraft->setChecked(overdraft);
    OverdraftFlag = overdraft ? -1 : 0;
}

void SaveCheckbookInfo() {
    frmSetup& setup = Form<frmSetup>();
    const auto& label = setup.LblBank;
    const int accountType = setup.LblAcctType->text() == Personal ? 1 : 0;
    const int depositSlips = setup.ckDeposit->isChecked() ? -1 : 0;
    DelimitedWriter line;
    line.write({Item::text(label[0]->text()), Item::text(label[1]->text()),
                Item::text(BalanceText(label[2]->text())), Item::text(label[3]->text()),
                Item::text(label[5]->text()), Item::number(CheckbookOverdraft), Item::number(accountType),
                Item::number(depositSlips)});
    QByteArray bytes = line.bytes();
    // The rest begins with the separator that ended item 8 (a comma, or the line end).
    if (const QByteArray rest = AmbletonRest(); !rest.isEmpty()) {
        bytes.chop(2);
        bytes += rest;
    }
    WriteWholeFile(CheckbookInfoFile, bytes);
    LoadCheckbookInfo();
}

void SavePayrollCheckbookInfo() {
    frmSetup& setup = Form<frmSetup>();
    const auto& box = setup.txtPayrollBank;
    TextOutput out = OpenOutput(PayrollCheckbookInfoFile);
    out.write({Item::text(box[0]->text()), Item::text(box[1]->text()),
               Item::text(BalanceText(box[2]->text())), Item::text(box[3]->text()),
               Item::text(BalanceText(box[4]->text())), Item::flag(OverdraftFlag != 0)});
    out.close();
}
