#pragma once

#include <QMap>
#include <QMetaType>
#include <QtGlobal>

namespace Executive {

/// A vend that a payment terminal on the executive bus asks for, with the
/// options it preselected (option key to value).
struct RemoteSelection
{
    qint32 itemNumber = -1;
    QMap<quint16, quint16> preselections;
};

} // namespace Executive

Q_DECLARE_METATYPE(Executive::RemoteSelection)
