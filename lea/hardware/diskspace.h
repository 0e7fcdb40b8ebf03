#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the free disk space.
class DiskSpace : public QObject
{
    Q_OBJECT

public:
    ~DiskSpace() override = default;

protected:
    explicit DiskSpace(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
