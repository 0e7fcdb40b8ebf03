#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the machine logo.
class Logo : public QObject
{
    Q_OBJECT

public:
    ~Logo() override = default;

protected:
    explicit Logo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
