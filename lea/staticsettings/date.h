#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of date, time zone and daylight saving.
class Date : public QObject
{
    Q_OBJECT

public:
    ~Date() override = default;

protected:
    explicit Date(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
