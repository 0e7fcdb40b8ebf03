#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the espresso group.
class EspressoGroup : public QObject
{
    Q_OBJECT

public:
    ~EspressoGroup() override = default;

protected:
    explicit EspressoGroup(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
