#pragma once

#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of machine failures.
class Failures : public QObject
{
    Q_OBJECT

public:
    ~Failures() override = default;

protected:
    explicit Failures(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
