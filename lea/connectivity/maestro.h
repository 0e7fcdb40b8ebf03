#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of the Maestro service.
class Maestro : public QObject
{
    Q_OBJECT

public:
    ~Maestro() override = default;

protected:
    explicit Maestro(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
