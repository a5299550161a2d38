#include "SiblingRecords.h"

#include "RecordCodec.h"

QByteArray CustomerRecord::encode() const {
    return EncodeRecord(*this);
}
CustomerRecord CustomerRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<CustomerRecord>(bytes);
}
QByteArray VendorRecord::encode() const {
    return EncodeRecord(*this);
}
VendorRecord VendorRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<VendorRecord>(bytes);
}
QByteArray ContractRecord::encode() const {
    return EncodeRecord(*this);
}
ContractRecord ContractRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<ContractRecord>(bytes);
}
QByteArray CycleRecord::encode() const {
    return EncodeRecord(*this);
}
CycleRecord CycleRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<CycleRecord>(bytes);
}
QByteArray ServiceRecord::encode() const {
    return EncodeRecord(*this);
}
ServiceRecord ServiceRecord::decode(QByteArrayView bytes) {
    return DecodeRecord<ServiceRecord>(bytes);
}
