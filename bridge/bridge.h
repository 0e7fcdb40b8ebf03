#pragma once

#include "lea/connectivity/factory.h"
#include "lea/hardware/factory.h"
#include "lea/interface/factory.h"
#include "lea/maintenance/factory.h"
#include "lea/misc/factory.h"
#include "lea/payment/factory.h"
#include "lea/persistence/factory.h"
#include "lea/products/factory.h"
#include "lea/staticsettings/factory.h"
#include "lea/statistics/factory.h"

#include <memory>

class QQmlContext;

namespace bridge {

/// The library's entry point: owns one accessor factory per area. Accessors
/// belong to the parent they were created with and may outlive the Bridge.
class Bridge
{
public:
    Bridge();
    ~Bridge();

    Bridge(const Bridge&) = delete;
    Bridge& operator=(const Bridge&) = delete;

    /// Publishes the telemetry property objects to a QML context as "AmiClo",
    /// "Televend" and "NewDigital" (the same objects for every context), and
    /// registers the type AmiCloProperties in the QML module VendingBridge 1.0.
    void exposeToQml(QQmlContext& context);

    lea::interface::Factory& interfaceFactory() { return *m_interface; }
    const lea::interface::Factory& interfaceFactory() const { return *m_interface; }
    lea::hardware::Factory& hardwareFactory() { return *m_hardware; }
    const lea::hardware::Factory& hardwareFactory() const { return *m_hardware; }
    lea::misc::Factory& miscFactory() { return *m_misc; }
    const lea::misc::Factory& miscFactory() const { return *m_misc; }
    lea::staticsettings::Factory& staticSettingsFactory() { return *m_staticSettings; }
    const lea::staticsettings::Factory& staticSettingsFactory() const { return *m_staticSettings; }
    lea::statistics::Factory& statisticsFactory() { return *m_statistics; }
    const lea::statistics::Factory& statisticsFactory() const { return *m_statistics; }
    lea::products::Factory& productsFactory() { return *m_products; }
    const lea::products::Factory& productsFactory() const { return *m_products; }
    lea::payment::Factory& paymentFactory() { return *m_payment; }
    const lea::payment::Factory& paymentFactory() const { return *m_payment; }
    lea::maintenance::Factory& maintenanceFactory() { return *m_maintenance; }
    const lea::maintenance::Factory& maintenanceFactory() const { return *m_maintenance; }
    lea::persistence::Factory& persistenceFactory() { return *m_persistence; }
    const lea::persistence::Factory& persistenceFactory() const { return *m_persistence; }
    lea::connectivity::Factory& connectivityFactory() { return *m_connectivity; }
    const lea::connectivity::Factory& connectivityFactory() const { return *m_connectivity; }

private:
    std::unique_ptr<lea::interface::Factory> m_interface;
    std::unique_ptr<lea::hardware::Factory> m_hardware;
    std::unique_ptr<lea::misc::Factory> m_misc;
    std::unique_ptr<lea::staticsettings::Factory> m_staticSettings;
    std::unique_ptr<lea::statistics::Factory> m_statistics;
    std::unique_ptr<lea::products::Factory> m_products;
    std::unique_ptr<lea::payment::Factory> m_payment;
    std::unique_ptr<lea::maintenance::Factory> m_maintenance;
    std::unique_ptr<lea::persistence::Factory> m_persistence;
    std::unique_ptr<lea::connectivity::Factory> m_connectivity;
};

} // namespace bridge
