#pragma once

#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of automatic rinsing.
class AutomaticRinsing : public QObject
{
    Q_OBJECT

public:
    ~AutomaticRinsing() override = default;

protected:
    explicit AutomaticRinsing(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
