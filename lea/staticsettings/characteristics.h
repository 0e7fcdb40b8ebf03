#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of machine characteristics and versions.
class Characteristics : public QObject
{
    Q_OBJECT

public:
    ~Characteristics() override = default;

protected:
    explicit Characteristics(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
