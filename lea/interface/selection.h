#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of product selection and purchase.
class Selection : public QObject
{
    Q_OBJECT

public:
    ~Selection() override = default;

protected:
    explicit Selection(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
