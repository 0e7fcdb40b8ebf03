#pragma once

#include "lea/maintenance/solidwaste.h"

namespace bridge {
namespace maintenance {

/// The solid-waste container: its thresholds, stored with the machine
/// settings, and how full it is, in grams or dispensings as the hardware
/// settings say. Keeps nothing of its own.
class SolidWaste : public lea::maintenance::SolidWaste
{
    Q_OBJECT

public:
    explicit SolidWaste(QObject* parent);
    ~SolidWaste() override;

    Unit unit() const override;
    Settings settings() const override;
    /// Stores the pair of the machine's unit. A pair in the other unit is
    /// reported; without the machine's pair, or when the save is refused, the
    /// call is logged and changes nothing.
    void setSettings(const Settings& settings) override;
    int solidWaste() const override;
};

} // namespace maintenance
} // namespace bridge
