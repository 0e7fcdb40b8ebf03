#pragma once

#include "nonstd/optional.hpp"

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the free disk space.
class DiskSpace : public QObject
{
    Q_OBJECT

public:
    /// The sizes of the data partition, in bytes.
    struct Info
    {
        quint64 total = 0;
        quint64 used = 0;
        quint64 available = 0;
    };

    ~DiskSpace() override = default;

    /// The data partition's sizes; empty when they could not be read.
    virtual nonstd::optional<Info> read() const = 0;

protected:
    explicit DiskSpace(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
