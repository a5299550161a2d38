#include "Records.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "RecordCodec.h"

#include <QFileInfo>

QByteArray EmployeeRecord::encode() const {
    return EncodeRecord(*this);
}
EmployeeRecord EmployeeRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<EmployeeRecord>(bytes);
}
QByteArray PayRecord::encode() const {
    return EncodeRecord(*this);
}
PayRecord PayRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<PayRecord>(bytes);
}
QByteArray SummaryRecord::encode() const {
    return EncodeRecord(*this);
}
SummaryRecord SummaryRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<SummaryRecord>(bytes);
}
QByteArray RegisterEntry::encode() const {
    return EncodeRecord(*this);
}
RegisterEntry RegisterEntry::decode(QByteArrayView bytes) {
    return DecodeRecord<RegisterEntry>(bytes);
}

Money StoredMoney(QByteArrayView record, int offset) {
    Money value;
    recordcodec::load(record.data() + offset, value, 8);
    return value;
}

void AddStoredAmount(Money& sum, Money amount, QStringView file) {
    std::int64_t raw = 0;
    if (__builtin_add_overflow(sum.raw(), amount.raw(), &raw))
        throw FileError(DataPath(file), QStringLiteral("It is damaged: its amounts are too large to add up."));
    sum = Money::fromRaw(raw);
}

double StoredDate(QByteArrayView record, int offset) {
    double value = 0;
    recordcodec::load(record.data() + offset, value, 8);
    return value;
}

QString TrimmedField(const QString& field) {
    const auto padding = [](QChar c) { return c == u' ' || c == u'\0'; };
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && padding(field[begin]))
        ++begin;
    while (end > begin && padding(field[end - 1]))
        --end;
    return field.mid(begin, end - begin);
}

bool LoadEmployee(std::int32_t recordNumber) {
    // Only reading: a missing employee file is not created here.
    if (!QFileInfo(DataPath(EmployeeFile)).isFile()) {
        CurrentEmployee = {};
        return false;
    }
    RandomFile file = OpenRandomFile(EmployeeFile, EmployeeRecord::Length);
    auto record = file.get<EmployeeRecord>(recordNumber);
    CurrentEmployee = record ? std::move(*record) : EmployeeRecord{};
    return record.has_value();
}

void SaveEmployee(std::int32_t recordNumber) {
    OpenRandomFile(EmployeeFile, EmployeeRecord::Length).put(recordNumber, CurrentEmployee);
}

void ResetRecordBuffers() {
    CurrentEmployee = {};
    CurrentPayRecord = {};
    CurrentSummary = {};
    CurrentRegisterEntry = {};
}
