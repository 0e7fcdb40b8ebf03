#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of directory paths.
class Paths : public QObject
{
    Q_OBJECT

public:
    ~Paths() override = default;

protected:
    explicit Paths(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
