#pragma once

#include <QtGlobal>

namespace lea {
namespace payment {

/// A vend that a cashless device on the MDB bus asks for.
struct RemoteSelectionMdb
{
    quint32 itemNumber = 0;
    /// The amount the device approved for the vend.
    quint32 value = 0;
};

} // namespace payment
} // namespace lea
