#include "Records.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "Win1252.h"

#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

void store(char* at, const QString& text, int width) {
    const QByteArray bytes = ToWin1252(text);
    const int used = static_cast<int>(std::min<qsizetype>(bytes.size(), width));
    std::memcpy(at, bytes.constData(), static_cast<size_t>(used));
    std::memset(at + used, ' ', static_cast<size_t>(width - used));
}
void store(char* at, std::int16_t value, int) {
    qToLittleEndian(value, at);
}
void store(char* at, std::int32_t value, int) {
    qToLittleEndian(value, at);
}
void store(char* at, float value, int) {
    qToLittleEndian(std::bit_cast<quint32>(value), at);
}
void store(char* at, double value, int) {
    qToLittleEndian(std::bit_cast<quint64>(value), at);
}
void store(char* at, Money value, int) {
    qToLittleEndian(value.raw(), at);
}

void load(const char* at, QString& text, int width) {
    text = FromWin1252(QByteArrayView(at, width));
}
void load(const char* at, std::int16_t& value, int) {
    value = qFromLittleEndian<qint16>(at);
}
void load(const char* at, std::int32_t& value, int) {
    value = qFromLittleEndian<qint32>(at);
}
void load(const char* at, float& value, int) {
    value = std::bit_cast<float>(qFromLittleEndian<quint32>(at));
}
void load(const char* at, double& value, int) {
    value = std::bit_cast<double>(qFromLittleEndian<quint64>(at));
}
void load(const char* at, Money& value, int) {
    value = Money::fromRaw(qFromLittleEndian<qint64>(at));
}

template <class R> QByteArray encodeRecord(const R& record) {
    QByteArray bytes(R::Length, '\0');
    char* at = bytes.data();
    std::apply(
        [&](const auto&... field) {
            ((store(at, record.*(field.member), field.width), at += field.width), ...);
        },
        RecordLayout<R>::fields);
    return bytes;
}

// A record cut short (the end of a file) decodes as if the missing bytes were zeros.
template <class R> R decodeRecord(QByteArrayView bytes) {
    QByteArray padded;
    if (bytes.size() < R::Length) {
        padded = QByteArray(R::Length, '\0');
        std::memcpy(padded.data(), bytes.data(), static_cast<size_t>(bytes.size()));
        bytes = padded;
    }
    R record;
    const char* at = bytes.data();
    std::apply(
        [&](const auto&... field) {
            ((load(at, record.*(field.member), field.width), at += field.width), ...);
        },
        RecordLayout<R>::fields);
    return record;
}

} // namespace

QByteArray EmployeeRecord::encode() const {
    return encodeRecord(*this);
}
EmployeeRecord EmployeeRecord::decode(QByteArrayView bytes) {
    return decodeRecord<EmployeeRecord>(bytes);
}
QByteArray PayRecord::encode() const {
    return encodeRecord(*this);
}
PayRecord PayRecord::decode(QByteArrayView bytes) {
    return decodeRecord<PayRecord>(bytes);
}
QByteArray SummaryRecord::encode() const {
    return encodeRecord(*this);
}
SummaryRecord SummaryRecord::decode(QByteArrayView bytes) {
    return decodeRecord<SummaryRecord>(bytes);
}
QByteArray RegisterEntry::encode() const {
    return encodeRecord(*this);
}
RegisterEntry RegisterEntry::decode(QByteArrayView bytes) {
    return decodeRecord<RegisterEntry>(bytes);
}

Money StoredMoney(QByteArrayView record, int offset) {
    Money value;
    load(record.data() + offset, value, 8);
    return value;
}

double StoredDate(QByteArrayView record, int offset) {
    double value = 0;
    load(record.data() + offset, value, 8);
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
