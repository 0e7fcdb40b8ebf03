#pragma once

#include "bridge/connectivity/downloadimports.h"
#include "core/log/logformatter.h"

#include <QObject>

namespace bridge {
namespace connectivity {

/// Relays the operator's requests for pages of the network log; a page
/// before the first names none and is logged instead.
template <class Accessor, class Properties>
void connectNetworkLogPages(Properties* properties, Accessor* accessor)
{
    QObject::connect(properties, &Properties::updateNetworkLog, accessor, [accessor](int page) {
        // Wrapped, it would ask for a huge page.
        if (page < 0) {
            LogFormatter(LogLevel::Warning).log(Log::Global) << Q_FUNC_INFO << "No network log page" << page;
            return;
        }
        emit accessor->updateNetworkLog(static_cast<unsigned int>(page));
    });
}

/// Connects the operator's requests of a telemetry property object to the
/// accessor's signals, and the answers of its imports to the accessor.
template <class Accessor, class Properties>
void connectRelays(Accessor* accessor, Properties* properties, DownloadImports* imports)
{
    QObject::connect(properties, &Properties::updateApplication, accessor, &Accessor::updateApplication);
    QObject::connect(properties, &Properties::importConfigGroup, accessor, &Accessor::importConfigGroup);
    QObject::connect(
        properties, &Properties::importCompleteBackup, accessor, &Accessor::importCompleteBackup);
    QObject::connect(properties, &Properties::importUiUpdate, accessor, &Accessor::importUiUpdate);
    connectNetworkLogPages(properties, accessor);
    QObject::connect(
        imports, &DownloadImports::groupImported, accessor, &Accessor::configGroupImportFinished);
    QObject::connect(imports, &DownloadImports::configurationGroupNotUpdated, accessor,
        &Accessor::configurationGroupNotUpdated);
    QObject::connect(
        imports, &DownloadImports::backupCompleted, accessor, &Accessor::completeBackupImportFinished);
    QObject::connect(
        imports, &DownloadImports::completeBackupNotUpdated, accessor, &Accessor::completeBackupNotUpdated);
}

} // namespace connectivity
} // namespace bridge
