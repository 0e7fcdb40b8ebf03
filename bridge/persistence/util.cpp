#include "bridge/persistence/util.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace bridge {
namespace persistence {
namespace util {

namespace {

// The largest integer that a double holds exactly, with every smaller one.
constexpr uint64_t ExactDoubleLimit = uint64_t(1) << 53;
// 2^64 as a double: every double below it fits in 64 unsigned bits.
constexpr double Uint64Bound = 18446744073709551616.0;

nonstd::optional<uint64_t> jsonUint64(const QJsonValue& value)
{
    if (value.isString()) {
        bool ok = false;
        const qulonglong parsed = value.toString().toULongLong(&ok);
        if (ok)
            return uint64_t(parsed);
        return nonstd::nullopt;
    }
    if (!value.isDouble())
        return nonstd::nullopt;
    const double number = std::trunc(value.toDouble());
    if (!(number >= 0.0) || number >= Uint64Bound)
        return nonstd::nullopt;
    return uint64_t(number);
}

} // namespace

QSqlDatabase database()
{
    if (!gCoreEnv || !gCoreEnv->configurationGroup() || !gCoreEnv->configurationGroup()->database())
        return QSqlDatabase();
    return gCoreEnv->configurationGroup()->database()->database();
}

QVariant formatQueryUint64(uint64_t value)
{
    return QVariant(qint64(value));
}

uint64_t extractQueryUint64(const QVariant& value)
{
    bool ok = false;
    const qint64 stored = value.toLongLong(&ok);
    if (ok)
        return uint64_t(stored);
    // A value above 2^63 that an older writer kept as text.
    return value.toULongLong();
}

QVariant formatQueryUint64Opt(const nonstd::optional<uint64_t>& value)
{
    return value ? formatQueryUint64(*value) : QVariant(qint64(-1));
}

nonstd::optional<uint64_t> extractQueryUint64Opt(const QVariant& value)
{
    if (value.isNull() || value.toLongLong() == -1)
        return nonstd::nullopt;
    return extractQueryUint64(value);
}

QVariant formatQueryDateTimeOpt(const nonstd::optional<QDateTime>& value)
{
    if (!value || !value->isValid())
        return QVariant(qint64(0));
    return QVariant(value->toMSecsSinceEpoch());
}

nonstd::optional<QDateTime> readQueryDateTimeOpt(qint64 milliseconds)
{
    if (milliseconds == 0)
        return nonstd::nullopt;
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

nonstd::optional<QDateTime> extractQueryDateTimeOpt(const QVariant& value)
{
    return readQueryDateTimeOpt(value.toLongLong());
}

int32_t extractQueryCode(const QVariant& value)
{
    bool ok = false;
    const qint64 code = value.toLongLong(&ok);
    if (!ok || code < std::numeric_limits<int32_t>::min() || code > std::numeric_limits<int32_t>::max())
        throw std::invalid_argument("Invalid internal enum value " + value.toString().toStdString());
    return int32_t(code);
}

QVariant formatQueryStringOpt(const nonstd::optional<QString>& value)
{
    return value ? QVariant(*value) : QVariant(QVariant::String);
}

nonstd::optional<QString> extractQueryStringOpt(const QVariant& value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return nonstd::nullopt;
    return text;
}

QJsonValue formatJsonUint32(uint32_t value)
{
    return QJsonValue(double(value));
}

QJsonValue formatJsonUint64(uint64_t value)
{
    if (value <= ExactDoubleLimit)
        return QJsonValue(double(value));
    return QJsonValue(QString::number(qulonglong(value)));
}

QJsonValue formatJsonUint64Opt(const nonstd::optional<uint64_t>& value)
{
    return value ? formatJsonUint64(*value) : QJsonValue(-1.0);
}

uint32_t extractJsonUint32(const QJsonValue& value)
{
    const nonstd::optional<uint64_t> number = jsonUint64(value);
    if (!number || *number > std::numeric_limits<uint32_t>::max())
        return 0;
    return uint32_t(*number);
}

uint64_t extractJsonUint64(const QJsonValue& value)
{
    return jsonUint64(value).value_or(0);
}

nonstd::optional<uint64_t> extractJsonUint64Opt(const QJsonValue& value)
{
    return jsonUint64(value);
}

} // namespace util
} // namespace persistence
} // namespace bridge
