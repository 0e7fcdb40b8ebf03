#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the espresso group.
class EspressoGroup : public QObject
{
    Q_OBJECT

public:
    /// How the espresso group grinds and heats.
    struct Settings
    {
        /// The grinder prepares the next dose after a dispensing.
        bool pregrinding = false;
        /// The grinder's sensor supervises the dose.
        bool grinderSensor = false;
        /// The espresso boiler heats up harder while the water of an espresso flows.
        bool boostEspressoWater = false;
    };

    ~EspressoGroup() override = default;

    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;

protected:
    explicit EspressoGroup(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
