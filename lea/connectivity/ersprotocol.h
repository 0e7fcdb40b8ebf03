#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the ERS protocol.
class ERSProtocol : public QObject
{
    Q_OBJECT

public:
    ~ERSProtocol() override = default;

protected:
    explicit ERSProtocol(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
