#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of energy-saving modes and settings.
class EnergySaving : public QObject
{
    Q_OBJECT

public:
    ~EnergySaving() override = default;

protected:
    explicit EnergySaving(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
