#include "bridge/maintenance/failures.h"

#include "bridge/maintenance/failureidenumconverter.h"
#include "bridge/maintenance/failuresconverter.h"
#include "bridge/maintenance/resetmessageenumconverter.h"
#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/coreenvironment.h"
#include "core/log/assert.h"
#include "core/log/logformatter.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"

#include <stdexcept>
#include <string>

namespace bridge {
namespace maintenance {

namespace {

/// The interface id of a core failure. A failure without one is logged and
/// skipped: the callers run inside the core's signal emissions, or list the
/// failures the interface can show.
nonstd::optional<lea::maintenance::FailureId> interfaceId(const ::Failure& failure, const char* signature)
{
    try {
        return FailureIdEnumConverter::toExternalOrThrow(failure.id());
    } catch (const std::invalid_argument& e) {
        LogFormatter(LogLevel::Warning).log(Log::Failure) << signature << e.what();
        return nonstd::nullopt;
    }
}

} // namespace

Failures::Failures(QObject* parent)
    : lea::maintenance::Failures(parent)
{
    connectToCore();
}

Failures::~Failures() = default;

std::map<lea::maintenance::FailureId, Failures::FailureInfo> Failures::activeFailures() const
{
    std::map<lea::maintenance::FailureId, FailureInfo> result;
    for (const ::Failure* failure : gCoreEnv->machine()->activeFailures()) {
        if (const auto id = interfaceId(*failure, Q_FUNC_INFO))
            result.insert_or_assign(*id, FailuresConverter::coreFailureToLeaFailureData(*failure));
    }
    return result;
}

Failures::ResetMessage Failures::resetUserFailures()
{
    return ResetMessageEnumConverter::toExternalOrThrow(gCoreEnv->machine()->resetFailures(true));
}

Failures::ResetMessage Failures::resetAllFailures()
{
    return ResetMessageEnumConverter::toExternalOrThrow(gCoreEnv->machine()->resetFailures(false));
}

bool Failures::anyCupsAvailable() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return false;
    const Machine& machine = *gCoreEnv->machine();
    if (!machine.isInErrorCupTurret1())
        return true;
    return configuration->hasSecondCupTurret() && !machine.isInErrorCupTurret2();
}

bool Failures::isCloggedFilterFailureActive() const
{
    // A machine without the failure has no clogged filter to report.
    const ::Failure* filter = gCoreEnv->machine()->failure(FailureCommonList::CloggedWaterFilter);
    return filter && filter->isActive();
}

std::vector<Failures::FailureHistory> Failures::failuresHistory() const
{
    const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
    printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
    return {};
}

Failures::FailureInfo Failures::failureInfo(lea::maintenance::FailureId id) const
{
    const ::Failure* failure = coreFailure(id, Q_FUNC_INFO);
    return failure ? FailuresConverter::coreFailureToLeaFailureData(*failure) : FailureInfo();
}

bool Failures::failureActive(lea::maintenance::FailureId id) const
{
    const ::Failure* failure = coreFailure(id, Q_FUNC_INFO);
    return failure && failure->isActive();
}

void Failures::onNotifyTelemetryEvent(
    const QString& /*source*/, bool raised, const QString& code, const QString& text)
{
    const auto* failure = qobject_cast<const ::Failure*>(sender());
    if (!failure) {
        printAssertMsg("failure", "Sender of notifyTelemetryEvent can only be a failure", __FILE__, __LINE__);
        return;
    }
    const auto id = interfaceId(*failure, Q_FUNC_INFO);
    if (!id)
        return;
    Notification notification;
    notification.id = *id;
    notification.info = FailuresConverter::coreFailureToLeaFailureData(*failure);
    notification.raised = raised;
    notification.code = code;
    notification.text = text;
    emit telemetryNotification(notification);
}

void Failures::connectToCore()
{
    const Machine* machine = gCoreEnv->machine();
    // A failure the machine does not have is left out.
    const auto connectCupFailure = [this, machine](FailureCommonList::FailureID id) {
        if (const ::Failure* failure = machine->failure(id))
            connect(failure, &::Failure::activeChanged, this, &Failures::cupFailuresChanged);
    };
    connect(machine, &Machine::activeFailuresListChanged, this, &Failures::activeFailureChanged);
    connectCupFailure(FailureCommonList::CupFailure);
    connectCupFailure(FailureCommonList::SecondCupFailure);
    if (const ::Failure* filter = machine->failure(FailureCommonList::CloggedWaterFilter))
        connect(filter, &::Failure::activeChanged, this, &Failures::cloggedFilterFailureChanged);
    connect(machine, &Machine::cupPositionOkChanged, this, &Failures::cupPositionOkChanged);
    // The first cup failure is in both lists: its changes are announced twice.
    for (const FailureCommonList::FailureID id :
        { FailureCommonList::CupFailure, FailureCommonList::CupRelatedFailure1,
            FailureCommonList::CupRelatedFailure2, FailureCommonList::CupRelatedFailure3,
            FailureCommonList::CupRelatedFailure4, FailureCommonList::CupRelatedFailure5 })
        connectCupFailure(id);

    const QMap<FailureCommonList::FailureID, ::Failure*> failures = machine->failures();
    for (const ::Failure* failure : failures) {
        if (!failure)
            continue;
        connect(failure, &::Failure::notifyTelemetryEvent, this, &Failures::onNotifyTelemetryEvent);
        connect(failure, &::Failure::activeChanged, this, [this, failure] { onActiveChanged(*failure); });
        connect(failure, &::Failure::nameChanged, this, [this, failure] { onNameChanged(*failure); });
    }
}

void Failures::onActiveChanged(const ::Failure& failure)
{
    if (const auto id = interfaceId(failure, Q_FUNC_INFO))
        emit failureActivityChanged(*id);
}

void Failures::onNameChanged(const ::Failure& failure)
{
    if (const auto id = FailureIdEnumConverter::toExternalOpt(failure.id()))
        emit failureActivityChanged(*id);
}

const ::Failure* Failures::coreFailure(lea::maintenance::FailureId id, const char* signature)
{
    const ::Failure* failure = gCoreEnv->machine()->failure(FailureIdEnumConverter::toInternalOrThrow(id));
    if (!failure)
        utils::FailureLog(signature, Log::Failure).warning("Failure not found on this machine");
    return failure;
}

} // namespace maintenance
} // namespace bridge
