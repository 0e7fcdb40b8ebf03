#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of dispensing of a selected beverage.
class Dispensing : public QObject
{
    Q_OBJECT

public:
    ~Dispensing() override = default;

protected:
    explicit Dispensing(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
