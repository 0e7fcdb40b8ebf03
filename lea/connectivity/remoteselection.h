#pragma once

#include <QtGlobal>
#include <vector>

namespace lea {
namespace connectivity {

/// A vend that a payment terminal asks for, with the options it preselected.
struct RemoteSelection
{
    /// One preselected option.
    struct Preselection
    {
        qint32 group = 0;
        quint16 option = 0;
        quint16 value = 0;
    };

    qint32 itemNumber = 0;
    std::vector<Preselection> preselections;
};

} // namespace connectivity
} // namespace lea
