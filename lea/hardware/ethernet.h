#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the Ethernet link.
class Ethernet : public QObject
{
    Q_OBJECT

public:
    ~Ethernet() override = default;

protected:
    explicit Ethernet(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
