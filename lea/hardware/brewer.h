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

    /// Starts the espresso group's initialisation cycle.
    virtual void restartBrewer() = 0;
    /// The operator declines the initialisation the machine offers: it is not offered again.
    virtual void skipRestart() = 0;
    /// The machine offers to initialise the brewer now.
    virtual bool initAvailable() const = 0;

protected:
    explicit Brewer(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
