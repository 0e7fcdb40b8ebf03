#pragma once

#include <QObject>

namespace lea {
namespace misc {

/// Accessor of machine events.
class Events : public QObject
{
    Q_OBJECT

public:
    ~Events() override = default;

protected:
    explicit Events(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea
