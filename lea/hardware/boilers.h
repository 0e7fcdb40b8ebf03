#pragma once

#include <cstdint>
#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the boilers.
class Boilers : public QObject
{
    Q_OBJECT

public:
    /// A boiler the operator may install by hand.
    enum BoilerType : int32_t {
        EspressoBoiler = 0,
        InstantBoiler = 1,
    };
    Q_ENUM(BoilerType)

    /// A step of the procedure that empties the boilers, numbered from
    /// EmptyBoilerIdle (no procedure running) to LastEmptyBoilerState.
    enum EmptyBoilerState : int32_t {
        EmptyBoilerIdle = 0,
        LastEmptyBoilerState = 27,
    };
    Q_ENUM(EmptyBoilerState)

    ~Boilers() override = default;

    virtual void setEmptyBoilerState(EmptyBoilerState state) = 0;
    virtual EmptyBoilerState emptyBoilerState() const = 0;
    virtual void manualBoilerInstallation(BoilerType type) = 0;

    virtual bool espressoBoilerAvailable() const = 0;
    virtual bool instantBoilerAvailable() const = 0;
    virtual bool steamBoilerAvailable() const = 0;
    /// The espresso boiler also heats the water of instant drinks.
    virtual bool espressoBoilerForInstantAvailable() const = 0;

signals:
    /// The boiler temperature settings were changed.
    void settingsChanged();

protected:
    explicit Boilers(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
