#pragma once

#include <QObject>

namespace lea {
namespace payment {

/// Accessor of price time bands.
class TimeBands : public QObject
{
    Q_OBJECT

public:
    ~TimeBands() override = default;

protected:
    explicit TimeBands(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
