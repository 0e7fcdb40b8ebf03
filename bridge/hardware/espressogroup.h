#pragma once

#include "lea/hardware/espressogroup.h"

namespace bridge {
namespace hardware {

/// Reads and stores the espresso group settings of the configuration.
class EspressoGroup : public lea::hardware::EspressoGroup
{
    Q_OBJECT

public:
    explicit EspressoGroup(QObject* parent);
    ~EspressoGroup() override;

    Settings settings() const override;
    /// Stores the three settings together; a refused save is logged and changes nothing.
    void setSettings(const Settings& settings) override;
};

} // namespace hardware
} // namespace bridge
