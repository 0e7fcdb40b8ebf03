#pragma once

#include "core/hardwareenvironment.h"
#include "nonstd/optional.hpp"

namespace bridge {
namespace staticsettings {

/// The boilers of the loaded configuration, which decide the boiler settings
/// the capability accessors offer.
struct BoilerEquipment
{
    bool espresso = false;
    bool instant = false;
    bool steam = false;
    bool espressoForInstant = false;

    /// An instant temperature is set when instant drinks have hot water of
    /// their own or the espresso boiler's.
    bool instantTemperature() const { return instant || espressoForInstant; }

    /// The equipment of the loaded configuration; none, after the
    /// configuration guard's log line for `signature`, without one.
    static nonstd::optional<BoilerEquipment> loaded(const char* signature);
};

/// Whether the loaded configuration has that boiler; false, after the
/// configuration guard's log line for `signature`, without one.
bool hasEspressoBoiler(const char* signature);
bool hasSteamBoiler(const char* signature);
/// Whether the loaded configuration sets an instant temperature; guarded the same way.
bool hasInstantTemperature(const char* signature);

/// The model of this machine, read at each call.
HardwareEnvironment::MachineModel machineModel();

} // namespace staticsettings
} // namespace bridge
