#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of network settings.
class Network : public QObject
{
    Q_OBJECT

public:
    ~Network() override = default;

protected:
    explicit Network(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
