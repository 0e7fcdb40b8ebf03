#pragma once

#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of cleaning after inactivity.
class InactivityCleaning : public QObject
{
    Q_OBJECT

public:
    ~InactivityCleaning() override = default;

protected:
    explicit InactivityCleaning(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
