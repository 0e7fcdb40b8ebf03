#pragma once

#include <QObject>

class Canister;

/// The machine's own settings in the database: canister levels and
/// calibrations of the loaded configuration.
class MachineDatabase : public QObject
{
    Q_OBJECT

public:
    explicit MachineDatabase(QObject* parent = nullptr);
    ~MachineDatabase() override;

    /// Stores the level supervision of one canister; false without a
    /// configuration or when the write fails.
    bool saveCanisterLevel(const Canister& canister);
    /// Stores the calibration range of every canister of the loaded
    /// configuration; false without a configuration or when the write fails.
    bool saveCanistersCalibration();
};
