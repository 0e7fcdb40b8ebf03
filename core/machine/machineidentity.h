#pragma once

#include <QDateTime>
#include <QString>

/// What identifies a machine in the field.
struct MachineIdentity
{
    QString serialNumber;
    QString machineCode;
    QString assetNumber;
    QDateTime installationDate;
};
