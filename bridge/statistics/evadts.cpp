#include "bridge/statistics/evadts.h"

#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/machine/machine.h"
#include "core/statistics/evadts.h"

#include <exception>

namespace bridge {
namespace statistics {

namespace {

::Evadts& coreEvadts()
{
    return *gCoreEnv->machine()->evadts();
}

} // namespace

Evadts::Evadts(QObject* parent)
    : lea::statistics::Evadts(parent)
{
    qRegisterMetaType<Event>();
    connect(gCoreEnv->machine()->statistics(), &Statistics::notifyConnectivityTelemetryEvent, this,
        &Evadts::onStatisticsEvent);
}

Evadts::~Evadts() = default;

nonstd::optional<QString> Evadts::report()
{
    ::Evadts& evadts = coreEvadts();
    if (!evadts.lock(this)) {
        LogFormatter(LogLevel::Warning).log(Log::Global) << Q_FUNC_INFO << "Failed locking evadts object";
        return nonstd::nullopt;
    }
    const bool produced = evadts.generateReport(this);
    const QString text = evadts.report();
    evadts.unlock(this);
    if (!produced)
        return nonstd::nullopt;
    return text;
}

QString Evadts::getMachineSerialNumber() const
{
    return coreEvadts().machineSerialNumber();
}

QString Evadts::getMachineBuildStandard() const
{
    return coreEvadts().machineBuildStandard();
}

QString Evadts::getMachineModelNumber() const
{
    return coreEvadts().machineModelNumber();
}

QString Evadts::getDecimalPointPosition() const
{
    return coreEvadts().decimalPointPosition();
}

QString Evadts::getNumericCurrencyCode() const
{
    return coreEvadts().numericCurrencyCode();
}

QString Evadts::getAlphabeticCurrencyCode() const
{
    return coreEvadts().alphabeticCurrencyCode();
}

QString Evadts::getSystemDate() const
{
    return coreEvadts().systemDate();
}

QString Evadts::getSystemTime() const
{
    return coreEvadts().systemTime();
}

void Evadts::onStatisticsEvent(const Statistics::ConnectivityTelemetryEvent& event)
{
    // What a receiver throws must not reach the core's emission.
    try {
        emit this->event({ event.name, event.active, event.code, event.description, event.time, event.value,
            event.threshold, event.count, event.total });
    } catch (const std::exception& e) {
        LogFormatter(LogLevel::Error).log(Log::Global) << Q_FUNC_INFO << e.what();
    } catch (...) {
        LogFormatter(LogLevel::Error).log(Log::Global) << Q_FUNC_INFO << "Unknown exception";
    }
}

} // namespace statistics
} // namespace bridge
