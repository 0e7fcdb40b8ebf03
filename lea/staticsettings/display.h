#pragma once

#include <QObject>

namespace lea {
namespace staticsettings {

/// Accessor of display settings.
class Display : public QObject
{
    Q_OBJECT

public:
    ~Display() override = default;

protected:
    explicit Display(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
