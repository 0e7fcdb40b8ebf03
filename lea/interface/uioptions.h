#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of user-interface options.
class UIOptions : public QObject
{
    Q_OBJECT

public:
    ~UIOptions() override = default;

protected:
    explicit UIOptions(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
