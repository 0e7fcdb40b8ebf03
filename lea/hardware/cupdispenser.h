#pragma once

#include <cstdint>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the cup dispenser.
class CupDispenser : public QObject
{
    Q_OBJECT

public:
    /// The cup dispenser's timings, in units ten times those the machine counts in.
    struct Settings
    {
        /// How long a dropped cup takes to settle.
        int64_t cupSettlingTime = 0;
        /// How long the machine waits for a cup to be present.
        int64_t waitingCupPresenceTime = 0;
    };

    ~CupDispenser() override = default;

    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;

protected:
    explicit CupDispenser(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
