#pragma once

#include <QObject>

namespace lea {
namespace statistics {

/// Accessor of EVA-DTS audit data.
class Evadts : public QObject
{
    Q_OBJECT

public:
    ~Evadts() override = default;

protected:
    explicit Evadts(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace statistics
} // namespace lea
