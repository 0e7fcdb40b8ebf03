#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QString>

namespace lea {
namespace statistics {

/// Accessor of EVA-DTS audit data.
class Evadts : public QObject
{
    Q_OBJECT

public:
    /// A telemetry event of the machine's statistics; the meaning of the
    /// fields is the machine's.
    struct Event
    {
        QString name;
        bool active = false;
        QString code;
        QString description;
        QDateTime time;
        int32_t value = 0;
        int32_t threshold = 0;
        int64_t count = 0;
        int64_t total = 0;
    };

    ~Evadts() override = default;

    /// The audit report; empty when it cannot be produced now.
    virtual nonstd::optional<QString> report() = 0;
    // The identification values that head a report.
    virtual QString getMachineSerialNumber() const = 0;
    virtual QString getMachineBuildStandard() const = 0;
    virtual QString getMachineModelNumber() const = 0;
    virtual QString getDecimalPointPosition() const = 0;
    virtual QString getNumericCurrencyCode() const = 0;
    virtual QString getAlphabeticCurrencyCode() const = 0;
    virtual QString getSystemDate() const = 0;
    virtual QString getSystemTime() const = 0;

signals:
    void event(const lea::statistics::Evadts::Event& event);

protected:
    explicit Evadts(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace statistics
} // namespace lea

// Queued connections and signal spies carry it.
Q_DECLARE_METATYPE(lea::statistics::Evadts::Event)
