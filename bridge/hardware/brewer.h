#pragma once

#include "lea/hardware/brewer.h"

namespace bridge {
namespace hardware {

/// The espresso brewer: its initialisation cycle and the machine's offer to run it.
class Brewer : public lea::hardware::Brewer
{
    Q_OBJECT

public:
    explicit Brewer(QObject* parent);

    void restartBrewer() override;
    void skipRestart() override;
    bool initAvailable() const override;
};

} // namespace hardware
} // namespace bridge
