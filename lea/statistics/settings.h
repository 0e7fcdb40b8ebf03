#pragma once

#include <QObject>

namespace lea {
namespace statistics {

/// Accessor of statistics settings.
class Settings : public QObject
{
    Q_OBJECT

public:
    ~Settings() override = default;

protected:
    explicit Settings(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace statistics
} // namespace lea
