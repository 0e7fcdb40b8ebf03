#pragma once

#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of maintenance counters.
class Maintenance : public QObject
{
    Q_OBJECT

public:
    ~Maintenance() override = default;

protected:
    explicit Maintenance(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
