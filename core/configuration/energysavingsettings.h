#pragma once

/// The energy-saving settings of a configuration.
class EnergySavingSettings
{
public:
    enum EnergyMode : int {
        SoftMode = 0,
        DeepMode = 1,
        Off = 2,
        WakingUp = 3,
        NoSaving = 4,
        Entering = 5,
        ScheduledOn = 6,
    };
};
