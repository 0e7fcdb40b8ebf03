#pragma once

#include "core/statistics/statistics.h"
#include "lea/statistics/evadts.h"

namespace bridge {
namespace statistics {

/// The machine's EVA-DTS audit report and identification values, and one
/// signal per telemetry event of the machine's statistics. Keeps nothing of
/// its own.
class Evadts : public lea::statistics::Evadts
{
    Q_OBJECT

public:
    explicit Evadts(QObject* parent);
    ~Evadts() override;

    /// Empty, with one log entry, while another owner holds the audit data's lock.
    nonstd::optional<QString> report() override;
    QString getMachineSerialNumber() const override;
    QString getMachineBuildStandard() const override;
    QString getMachineModelNumber() const override;
    QString getDecimalPointPosition() const override;
    QString getNumericCurrencyCode() const override;
    QString getAlphabeticCurrencyCode() const override;
    QString getSystemDate() const override;
    QString getSystemTime() const override;

private slots:
    void onStatisticsEvent(const Statistics::ConnectivityTelemetryEvent& event);
};

} // namespace statistics
} // namespace bridge
