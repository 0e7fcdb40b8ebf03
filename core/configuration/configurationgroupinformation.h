#pragma once

#include <QString>

/// What a configuration group says about itself.
struct ConfigurationGroupInformation
{
    QString name;
    QString version;
    QString customer;
    QString author;
    QString creationDate;
};
