#pragma once

#include "lea/maintenance/rinsing.h"

#include <cstdint>
#include <QObject>
#include <vector>

namespace lea {
namespace maintenance {

/// Accessor of cleaning after inactivity: the rinsings the machine runs after
/// a period without use.
class InactivityCleaning : public QObject
{
    Q_OBJECT

public:
    /// One rinsing after inactivity, as the machine holds it.
    struct Settings
    {
        RinsingType type = Rinsing0;
        bool enabled = false;
        int32_t inactivityMinutes = 0;
        int32_t amount = 0;
    };

    ~InactivityCleaning() override = default;

    virtual std::vector<Settings> cleanings() const = 0;

signals:
    void inactivitiyCleaningUpdated();

protected:
    explicit InactivityCleaning(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
