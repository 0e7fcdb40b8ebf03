#pragma once

#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of cleaning cycles.
class Cleaning : public QObject
{
    Q_OBJECT

public:
    ~Cleaning() override = default;

protected:
    explicit Cleaning(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
