#pragma once

#include "core/coreenvironment.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"

#include <QStringList>

/// The requests the machine's dispensing manager accepted, oldest first, each
/// written as a call: "calibratePump(true, false)".
inline QStringList erogationRequests()
{
    QStringList calls;
    for (const ErogationManager::Request& request : gCoreEnv->machine()->erogationManager()->requests()) {
        QStringList arguments;
        for (const QVariant& argument : request.arguments)
            arguments << argument.toString();
        calls << QStringLiteral("%1(%2)").arg(request.operation, arguments.join(QStringLiteral(", ")));
    }
    return calls;
}
