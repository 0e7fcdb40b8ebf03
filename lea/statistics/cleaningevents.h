#pragma once

#include <QObject>

namespace lea {
namespace statistics {

/// Accessor of cleaning and telemetry events.
class CleaningEvents : public QObject
{
    Q_OBJECT

public:
    ~CleaningEvents() override = default;

protected:
    explicit CleaningEvents(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace statistics
} // namespace lea
