#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QDateTime>
#include <QJsonValue>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <vector>

namespace bridge {
namespace persistence {
/// The value formats that the download logs and the remote requests share:
/// how optional values, 64-bit values and dates are stored in a column or a
/// JSON member, and where the tables live.
namespace util {

/// The download source as stored.
enum DbSource : int32_t {
    DbSource0 = 0,
    DbSource1 = 1,
    DbSource2 = 2,
};

/// The active configuration group's database; invalid when there is none.
QSqlDatabase database();

// All 64 bits are kept: SQLite holds signed integers, so values of 2^63 and
// above are stored as their two's complement.
QVariant formatQueryUint64(uint64_t value);
uint64_t extractQueryUint64(const QVariant& value);
/// Absent is stored as -1.
QVariant formatQueryUint64Opt(const nonstd::optional<uint64_t>& value);
nonstd::optional<uint64_t> extractQueryUint64Opt(const QVariant& value);
/// Milliseconds since the epoch; absent is stored as 0.
QVariant formatQueryDateTimeOpt(const nonstd::optional<QDateTime>& value);
nonstd::optional<QDateTime> readQueryDateTimeOpt(qint64 milliseconds);
nonstd::optional<QDateTime> extractQueryDateTimeOpt(const QVariant& value);
/// A stored enumeration code; throws std::invalid_argument when it is no
/// 32-bit integer. Whether the code names a value is the converter's to say.
int32_t extractQueryCode(const QVariant& value);
template <class DbEnum> DbEnum extractQueryCode(const QVariant& value)
{
    return static_cast<DbEnum>(extractQueryCode(value));
}
/// Every stored code that reads as `value`: the written one and any older
/// code of the same value, so that a query by value finds older rows too.
template <class Converter> std::vector<int32_t> storedCodes(typename Converter::External value)
{
    std::vector<int32_t> codes;
    for (const auto internal : Converter::convertibleInternalValues()) {
        if (Converter::toExternalOpt(internal) == value)
            codes.push_back(int32_t(internal));
    }
    return codes;
}
/// Absent is stored as a null text; an empty text reads as absent.
QVariant formatQueryStringOpt(const nonstd::optional<QString>& value);
nonstd::optional<QString> extractQueryStringOpt(const QVariant& value);

// JSON numbers are doubles: a value above 2^53 is written as its decimal text
// so that no digit is lost. Reading takes both forms.
QJsonValue formatJsonUint32(uint32_t value);
QJsonValue formatJsonUint64(uint64_t value);
/// Absent is written as -1.
QJsonValue formatJsonUint64Opt(const nonstd::optional<uint64_t>& value);
/// 0 for a value that is no unsigned 32-bit number.
uint32_t extractJsonUint32(const QJsonValue& value);
/// 0 for a value that is no unsigned 64-bit number.
uint64_t extractJsonUint64(const QJsonValue& value);
/// Absent for a negative value or one that is no number.
nonstd::optional<uint64_t> extractJsonUint64Opt(const QJsonValue& value);

} // namespace util
} // namespace persistence
} // namespace bridge
