#pragma once

#include "core/statistics/statistics.h"
#include "lea/statistics/delivery.h"

namespace bridge {
namespace statistics {

/// What the machine has dispensed: its counters and the products' audit
/// values, and one signal per vend and per infusion the core reports. Keeps
/// nothing of its own.
class Delivery : public lea::statistics::Delivery
{
    Q_OBJECT

public:
    explicit Delivery(QObject* parent);
    ~Delivery() override;

    std::map<lea::ProductDbId, ProductDeliveryStatistics> productsDeliveryStatistics() const override;
    int64_t totalDeliveryCount() const override;

private slots:
    void onVendEvent(const Statistics::ConnectivityVendEvent& event);
    void onInfusionTimeEvent(const Statistics::ConnectivityInfusionTimeEvent& event);

private:
    void reportVend(const Statistics::ConnectivityVendEvent& event, const char* signature);
};

} // namespace statistics
} // namespace bridge
