#pragma once

#include <QString>

namespace bridge {
namespace qml {

/// Texts shared by the telemetry property objects.
namespace texts {
inline QString unset()
{
    return QStringLiteral("~~ unset ~~");
}
inline QString applicationUpdate()
{
    return QStringLiteral("Application update");
}
inline QString configGroup()
{
    return QStringLiteral("Configuration group");
}
inline QString completeBackup()
{
    return QStringLiteral("Complete backup");
}
inline QString uiUpdate()
{
    return QStringLiteral("GUI update");
}
constexpr int linesPerLogPage = 100;
} // namespace texts

} // namespace qml
} // namespace bridge
