#include "Checkbook.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Money.h"

#include <QFile>

#include <algorithm>
#include <array>

namespace {

const QString NewCheckNumber = QStringLiteral("101");

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

bool HoldsAccount(const std::array<QString, 5>& items) {
    const auto blank = [](const QString& item) { return item.trimmed().isEmpty(); };
    const auto zero = [](const QString& item) { return ParseMoney(item).value_or(Money()) == Money(); };
    return !blank(items[0]) || !blank(items[1]) || !zero(items[2]) || !zero(items[4]) ||
           !(blank(items[3]) || items[3].trimmed() == NewCheckNumber);
}

// The five texts both files begin with; whether they name an account.
bool ReadTexts(TextInput& in, CheckbookInfo& info) {
    std::array<QString, 5> items;
    for (QString& item : items)
        item = in.readText();
    info.Bank = items[0];
    info.Account = items[1];
    info.Balance = BalanceText(items[2]);
    info.NextCheck = items[3];
    info.Deposit = BalanceText(items[4]);
    return HoldsAccount(items);
}

} // namespace

CheckbookInfo NewCheckbook() {
    CheckbookInfo info;
    info.Balance = CurrencyText(Money());
    info.NextCheck = NewCheckNumber;
    info.Deposit = CurrencyText(Money());
    return info;
}

CheckbookRead ReadCheckbookInfo() {
    CheckbookRead read{NewCheckbook(), false};
    if (!FileExists(CheckbookInfoFile)) return read;
    TextInput in = OpenInput(CheckbookInfoFile);
    read.HoldsAccount = ReadTexts(in, read.Info);
    read.Info.Overdraft = in.readWhole();
    read.Info.AccountType = in.readWhole();
    read.Info.DepositSlips = in.readWhole();
    read.Short = in.isShort();
    return read;
}

CheckbookRead ReadPayrollCheckbookInfo() {
    CheckbookRead read{NewCheckbook(), false};
    if (!FileExists(PayrollCheckbookInfoFile)) return read;
    TextInput in = OpenInput(PayrollCheckbookInfoFile);
    read.HoldsAccount = ReadTexts(in, read.Info);
    read.Info.Overdraft = in.readFlag() ? -1 : 0;
    read.Short = in.isShort();
    return read;
}

CheckbookInfo ReadWholeAccount(bool payrollAccount) {
    const QString& name = payrollAccount ? PayrollCheckbookInfoFile : CheckbookInfoFile;
    if (!FileExists(name)) throw FileError(DataPath(name), QStringLiteral("It is missing."));
    const CheckbookRead read = payrollAccount ? ReadPayrollCheckbookInfo() : ReadCheckbookInfo();
    if (read.Short)
        throw FileError(DataPath(name),
                        QStringLiteral("It ends before all the items of the account: it is damaged."));
    return read.Info;
}

void WriteCheckbookInfo(const CheckbookInfo& info) {
    DelimitedWriter line;
    line.write({Item::text(info.Bank), Item::text(info.Account), Item::text(BalanceText(info.Balance)),
                Item::text(info.NextCheck), Item::text(info.Deposit), Item::number(info.Overdraft),
                Item::number(info.AccountType == 1 ? 1 : 0), Item::number(info.DepositSlips == -1 ? -1 : 0)});
    QByteArray bytes = line.bytes();
    // The rest begins with the separator that ended item 8 (a comma, or the line end).
    if (const QByteArray rest = AmbletonRest(); !rest.isEmpty()) {
        bytes.chop(2);
        bytes += rest;
    }
    WriteWholeFile(CheckbookInfoFile, bytes);
}

void WritePayrollCheckbookInfo(const CheckbookInfo& info) {
    TextOutput out = OpenOutput(PayrollCheckbookInfoFile);
    out.write({Item::text(info.Bank), Item::text(info.Account), Item::text(BalanceText(info.Balance)),
               Item::text(info.NextCheck), Item::text(BalanceText(info.Deposit)),
               Item::flag(info.Overdraft != 0)});
    out.close();
}

CheckbookInfo& GeneralAccount() {
    static CheckbookInfo account = NewCheckbook();
    return account;
}

CheckbookInfo& PayrollAccount() {
    static CheckbookInfo account = NewCheckbook();
    return account;
}
