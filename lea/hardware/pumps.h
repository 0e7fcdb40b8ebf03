#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the pumps.
class Pumps : public QObject
{
    Q_OBJECT

public:
    ~Pumps() override = default;

protected:
    explicit Pumps(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
