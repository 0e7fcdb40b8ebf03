#pragma once

#include "lea/staticsettings/characteristics.h"

namespace bridge {
namespace staticsettings {

/// Describes the machine to the interface: model, versions, screen, actuator
/// board, capabilities and the identity of its configuration, read from the
/// core at each call.
class Characteristics : public lea::staticsettings::Characteristics
{
    Q_OBJECT

public:
    explicit Characteristics(QObject* parent);
    ~Characteristics() override;

    Screen screen() const override;
    /// Throws std::invalid_argument for a machine model the interface does not know.
    Software software() const override;
    /// Without a configuration only its name stays empty.
    Machine machine() const override;
    Capabilities capabilities() const override;
    ActuatorBoard actuatorBoard() const override;
    /// Empty texts while no configuration group is active.
    ConfigurationGroupSettings configurationGroupSettings() const override;
    RemoteControls remoteControls() const override;
    bool isPlatformDesktop() const override;
    QString guiCustomizationFileName() const override;
    /// Throws std::invalid_argument for a slave selection the interface does not know.
    ConfigurationSettings configurationSettings() const override;
};

} // namespace staticsettings
} // namespace bridge
