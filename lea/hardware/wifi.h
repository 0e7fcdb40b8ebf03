#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the Wi-Fi link.
class Wifi : public QObject
{
    Q_OBJECT

public:
    ~Wifi() override = default;

protected:
    explicit Wifi(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
