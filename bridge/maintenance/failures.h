#pragma once

#include "lea/maintenance/failures.h"

class Failure;

namespace bridge {
namespace maintenance {

/// The machine's failures as the user interface sees them, with the core's
/// failure signals relayed. Follows the failures the machine holds when the
/// accessor is made.
class Failures : public lea::maintenance::Failures
{
    Q_OBJECT

public:
    explicit Failures(QObject* parent);
    ~Failures() override;

    std::map<lea::maintenance::FailureId, FailureInfo> activeFailures() const override;
    ResetMessage resetUserFailures() override;
    ResetMessage resetAllFailures() override;
    bool anyCupsAvailable() const override;
    bool isCloggedFilterFailureActive() const override;
    std::vector<FailureHistory> failuresHistory() const override;
    FailureInfo failureInfo(lea::maintenance::FailureId id) const override;
    bool failureActive(lea::maintenance::FailureId id) const override;

private slots:
    /// Connected to the failures only; any other sender is reported and ignored.
    void onNotifyTelemetryEvent(const QString& source, bool raised, const QString& code, const QString& text);

private:
    void connectToCore();
    void onActiveChanged(const ::Failure& failure);
    void onNameChanged(const ::Failure& failure);
    /// The core failure an interface id names; throws for an id without core
    /// value, logs and gives null when the machine has no such failure.
    static const ::Failure* coreFailure(lea::maintenance::FailureId id, const char* signature);
};

} // namespace maintenance
} // namespace bridge
