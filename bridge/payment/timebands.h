#pragma once

#include "core/log/assert.h"
#include "lea/payment/timebands.h"

#include <string>

class TimeBandDataSettings;

namespace bridge {
namespace payment {

/// The time band switches of the loaded configuration's payment settings.
class TimeBands : public lea::payment::TimeBands
{
    Q_OBJECT

public:
    /// Not supported: the core applies the band in force to the prices it gives.
    TimeBand currentTimeBand() const override
    {
        const std::string message = std::string(Q_FUNC_INFO) + "is not implemented.";
        // Reported where it is declared, as the interface layer's clients expect.
        printReleaseAssertMsg("", message.c_str(), __FILE__, __LINE__);
        return TimeBand0;
    }

    explicit TimeBands(QObject* parent);

    std::vector<TimeBandSwitch> priceTimeBandSwitch() const override;
    /// Every switch is converted before the stored ones are replaced.
    void setTimeBandSwitch(const std::vector<TimeBandSwitch>& switches) override;
    void addTimeBandSwitch(const TimeBandSwitch& timeBandSwitch) override;
    void deleteAllSwitch() override;
    void deleteTimeBandSwitch(const TimeBandSwitch& timeBandSwitch) override;

    /// The first core switch equal to `timeBandSwitch`; null when there is none.
    TimeBandDataSettings* findCoreTimeBandSwitchForLeaTimeBandSwitch(
        const TimeBandSwitch& timeBandSwitch) const;
};

} // namespace payment
} // namespace bridge
