#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the machine door.
class Door : public QObject
{
    Q_OBJECT

public:
    ~Door() override = default;

protected:
    explicit Door(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
