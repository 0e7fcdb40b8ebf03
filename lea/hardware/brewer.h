#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of the brewer.
class Brewer : public QObject
{
    Q_OBJECT

public:
    ~Brewer() override = default;

protected:
    explicit Brewer(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
