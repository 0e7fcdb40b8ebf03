#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of screen saver settings.
class Screensaver : public QObject
{
    Q_OBJECT

public:
    ~Screensaver() override = default;

protected:
    explicit Screensaver(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
