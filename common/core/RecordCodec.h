#pragma once

#include "Money.h"
#include "Records.h"
#include "Win1252.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <tuple>

// Turns a record into its stored bytes and back by its RecordLayout: every record type
// of the program folder, shared or sibling, is encoded by these same few lines.
namespace recordcodec {

inline void store(char* at, const QString& text, int width) {
    const QByteArray bytes = ToWin1252(text);
    const int used = static_cast<int>(std::min<qsizetype>(bytes.size(), width));
    std::memcpy(at, bytes.constData(), static_cast<size_t>(used));
    std::memset(at + used, ' ', static_cast<size_t>(width - used));
}
inline void store(char* at, std::int16_t value, int) {
    qToLittleEndian(value, at);
}
inline void store(char* at, std::int32_t value, int) {
    qToLittleEndian(value, at);
}
inline void store(char* at, float value, int) {
    qToLittleEndian(std::bit_cast<quint32>(value), at);
}
inline void store(char* at, double value, int) {
    qToLittleEndian(std::bit_cast<quint64>(value), at);
}
inline void store(char* at, Money value, int) {
    qToLittleEndian(value.raw(), at);
}

inline void load(const char* at, QString& text, int width) {
    text = FromWin1252(QByteArrayView(at, width));
}
inline void load(const char* at, std::int16_t& value, int) {
    value = qFromLittleEndian<qint16>(at);
}
inline void load(const char* at, std::int32_t& value, int) {
    value = qFromLittleEndian<qint32>(at);
}
inline void load(const char* at, float& value, int) {
    value = std::bit_cast<float>(qFromLittleEndian<quint32>(at));
}
inline void load(const char* at, double& value, int) {
    value = std::bit_cast<double>(qFromLittleEndian<quint64>(at));
}
inline void load(const char* at, Money& value, int) {
    value = Money::fromRaw(qFromLittleEndian<qint64>(at));
}

} // namespace recordcodec

template <class R> QByteArray EncodeRecord(const R& record) {
    QByteArray bytes(R::Length, '\0');
    char* at = bytes.data();
    std::apply(
        [&](const auto&... field) {
            ((recordcodec::store(at, record.*(field.member), field.width), at += field.width), ...);
        },
        RecordLayout<R>::fields);
    return bytes;
}

// A record cut short (the end of a file) decodes as if the missing bytes were zeros.
template <class R> R DecodeRecord(QByteArrayView bytes) {
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
            ((recordcodec::load(at, record.*(field.member), field.width), at += field.width), ...);
        },
        RecordLayout<R>::fields);
    return record;
}
