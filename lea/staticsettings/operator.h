#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of operator data.
class Operator : public QObject
{
    Q_OBJECT

public:
    ~Operator() override = default;

protected:
    explicit Operator(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
