#pragma once

#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of configuration backups and restores.
class Configurations : public QObject
{
    Q_OBJECT

public:
    ~Configurations() override = default;

protected:
    explicit Configurations(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
