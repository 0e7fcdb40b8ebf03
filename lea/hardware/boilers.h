#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the boilers.
class Boilers : public QObject
{
    Q_OBJECT

public:
    ~Boilers() override = default;

protected:
    explicit Boilers(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
