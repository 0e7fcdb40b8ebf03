#pragma once

#include <QMetaType>
#include <QtGlobal>

namespace Mdb {

/// A vend that a cashless device on the MDB bus asks for.
struct SelectionRequest
{
    /// The cashless device that asks, 0 or 1.
    quint8 device = 0;
    quint16 itemNumber = 0;
    /// The amount the device approved for the vend.
    quint32 value = 0;
};

} // namespace Mdb

Q_DECLARE_METATYPE(Mdb::SelectionRequest)
