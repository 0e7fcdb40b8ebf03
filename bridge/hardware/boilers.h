#pragma once

#include "lea/hardware/boilers.h"

namespace bridge {
namespace hardware {

/// Tells which boilers the configuration has, and drives the procedures that
/// empty them and install one by hand. settingsChanged() follows every save
/// that changes the boiler settings of whichever configuration is loaded.
class Boilers : public lea::hardware::Boilers
{
    Q_OBJECT

public:
    explicit Boilers(QObject* parent);
    ~Boilers() override;

    /// Throws std::invalid_argument for a state the machine does not know.
    void setEmptyBoilerState(EmptyBoilerState state) override;
    /// Throws std::invalid_argument for a machine state the interface does not know.
    EmptyBoilerState emptyBoilerState() const override;
    /// Throws std::invalid_argument for a boiler the machine does not know.
    void manualBoilerInstallation(BoilerType type) override;

    bool espressoBoilerAvailable() const override;
    bool instantBoilerAvailable() const override;
    bool steamBoilerAvailable() const override;
    bool espressoBoilerForInstantAvailable() const override;
};

} // namespace hardware
} // namespace bridge
