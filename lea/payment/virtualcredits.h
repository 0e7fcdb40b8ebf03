#pragma once

#include <QObject>

namespace lea {
namespace payment {

/// Accessor of virtual credits.
class VirtualCredits : public QObject
{
    Q_OBJECT

public:
    ~VirtualCredits() override = default;

protected:
    explicit VirtualCredits(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
