#pragma once

#include <QString>

/// What a configuration says about itself, its operator and what may be done remotely.
struct ConfigurationInformation
{
    QString name;
    QString code;
    QString version;
    /// The file of the interface's look (colours, fonts, images) for this configuration.
    QString guiCustomizationFileName;
    QString operatorName;
    QString operatorAddress;
    QString operatorPhone;
    QString operatorEmail;
    bool remoteSelectionEnabled = false;
    bool remoteCleaningEnabled = false;
    bool remoteRebootEnabled = false;
};
