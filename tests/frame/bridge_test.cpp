#include "bridge/bridge.h"
#include "lea/helpers/foreachaccessor.h"
#include "support/machinetest.h"
#include "support/qtmessagecapture.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <QPointer>
#include <set>

namespace {

// The interfaces this machine implements, with the class of each; every other
// interface of the ten areas is answered as not available.
const std::map<QString, QString> kImplemented = {
    { "lea::connectivity::AmiClo", "bridge::connectivity::AmiClo" },
    { "lea::connectivity::Management", "bridge::connectivity::Management" },
    { "lea::connectivity::NewDigital", "bridge::connectivity::NewDigital" },
    { "lea::connectivity::Sophia", "bridge::connectivity::Sophia" },
    { "lea::staticsettings::Languages", "bridge::staticsettings::Languages" },
    { "lea::staticsettings::Network", "bridge::staticsettings::Network" },
    { "lea::staticsettings::Display", "bridge::staticsettings::Display" },
    { "lea::staticsettings::EndLineTest", "bridge::staticsettings::EndLineTest" },
    { "lea::staticsettings::BoilerCapabilities", "bridge::staticsettings::BoilerCapabilities" },
    { "lea::staticsettings::EnergySavingCapabilities", "bridge::staticsettings::EnergySavingCapabilities" },
    { "lea::staticsettings::RollingTextsCapabilities", "bridge::staticsettings::RollingTextsCapabilities" },
    { "lea::hardware::Brewer", "bridge::hardware::Brewer" },
    { "lea::hardware::CupDispenser", "bridge::hardware::CupDispenser" },
    { "lea::hardware::CupSensor", "bridge::hardware::CupSensor" },
    { "lea::hardware::DADD", "bridge::hardware::DADD" },
    { "lea::hardware::DiskSpace", "bridge::hardware::DiskSpace" },
    { "lea::hardware::Door", "bridge::hardware::Door" },
    { "lea::hardware::EspressoGroup", "bridge::hardware::EspressoGroup" },
    { "lea::hardware::Reboot", "bridge::hardware::Reboot" },
    { "lea::hardware::SlaveMachines", "bridge::hardware::SlaveMachines" },
    { "lea::hardware::CodeScanner", "bridge::hardware::CodeScanner" },
    { "lea::hardware::Modem", "bridge::hardware::Modem" },
    { "lea::hardware::UART", "bridge::hardware::UART" },
    { "lea::interface::Dispensing", "bridge::interface::Dispensing" },
    { "lea::interface::EnergySaving", "bridge::interface::EnergySaving" },
    { "lea::interface::EnergySavingParametersLimits", "bridge::interface::EnergySavingParametersLimits" },
    { "lea::interface::LoyaltyQRCode", "bridge::interface::LoyaltyQRCode" },
    { "lea::interface::ReceiptQRCode", "bridge::interface::ReceiptQRCode" },
    { "lea::interface::SelectionQRCode", "bridge::interface::SelectionQRCode" },
    { "lea::interface::Logo", "bridge::interface::Logo" },
    { "lea::interface::UIOptions", "bridge::interface::UIOptions" },
    { "lea::interface::NativeUI", "bridge::interface::NativeUI" },
    { "lea::interface::Selection", "bridge::interface::Selection" },
    { "lea::interface::Screensaver", "bridge::interface::Screensaver" },
    { "lea::interface::Playlists", "bridge::interface::Playlists" },
    { "lea::interface::NewsFeed", "bridge::interface::NewsFeed" },
    { "lea::hardware::Fan", "bridge::hardware::Fan" },
    { "lea::hardware::DispensingCalibration", "bridge::hardware::DispensingCalibration" },
    { "lea::hardware::TestComponents", "bridge::hardware::TestComponents" },
    { "lea::hardware::Boilers", "bridge::hardware::Boilers" },
    { "lea::hardware::BoilerTemperature", "bridge::hardware::BoilerTemperature" },
    { "lea::hardware::BoilerParametersLimits", "bridge::hardware::BoilerParametersLimits" },
    { "lea::hardware::Pumps", "bridge::hardware::Pumps" },
    { "lea::hardware::Sensors", "bridge::hardware::Sensors" },
    { "lea::maintenance::AutomaticRinsing", "bridge::maintenance::AutomaticRinsing" },
    { "lea::maintenance::Cleaning", "bridge::maintenance::Cleaning" },
    { "lea::maintenance::Failures", "bridge::maintenance::Failures" },
    { "lea::maintenance::InactivityCleaning", "bridge::maintenance::InactivityCleaning" },
    { "lea::maintenance::Configurations", "bridge::maintenance::Configurations" },
    { "lea::maintenance::SolidWaste", "bridge::maintenance::SolidWaste" },
    { "lea::maintenance::Maintenance", "bridge::maintenance::Maintenance" },
    { "lea::misc::States", "bridge::misc::States" },
    { "lea::misc::Crypt", "bridge::misc::Crypt" },
    { "lea::misc::Watchdog", "bridge::misc::Watchdog" },
    { "lea::payment::Payments", "bridge::payment::Payments" },
    { "lea::payment::ProductsPrice", "bridge::payment::ProductsPrice" },
    { "lea::payment::TimeBands", "bridge::payment::TimeBands" },
    { "lea::payment::Paxio", "bridge::payment::Paxio" },
    { "lea::payment::RemoteSelectorMdb", "bridge::payment::RemoteSelectorMdb" },
    { "lea::connectivity::ERSProtocol", "bridge::connectivity::ERSProtocol" },
    { "lea::connectivity::Maestro", "bridge::connectivity::Maestro" },
    { "lea::connectivity::Televend", "bridge::connectivity::Televend" },
    { "lea::connectivity::Touchless", "bridge::connectivity::Touchless" },
    { "lea::products::Beverages", "bridge::products::Beverages" },
    { "lea::products::Canisters", "bridge::products::Canisters" },
    { "lea::products::Categories", "bridge::products::Categories" },
    { "lea::products::CoffeesToGo", "bridge::products::CoffeesToGo" },
    { "lea::products::Cups", "bridge::products::Cups" },
    { "lea::products::Customizations", "bridge::products::Customizations" },
    { "lea::products::Filters", "bridge::products::Filters" },
    { "lea::products::NutritionalInformation", "bridge::products::NutritionalInformation" },
    { "lea::products::Products", "bridge::products::Products" },
    { "lea::products::Promotions", "bridge::products::Promotions" },
    { "lea::products::Recipes", "bridge::products::Recipes" },
    { "lea::staticsettings::Characteristics", "bridge::staticsettings::Characteristics" },
    { "lea::staticsettings::Date", "bridge::staticsettings::Date" },
    { "lea::staticsettings::Operator", "bridge::staticsettings::Operator" },
    { "lea::staticsettings::Paths", "bridge::staticsettings::Paths" },
    { "lea::products::Upsellings", "bridge::products::Upsellings" },
    { "lea::statistics::CleaningEvents", "bridge::statistics::CleaningEvents" },
    { "lea::statistics::Delivery", "bridge::statistics::Delivery" },
    { "lea::statistics::Evadts", "bridge::statistics::Evadts" },
    { "lea::persistence::Logs", "bridge::persistence::Logs" },
    { "lea::persistence::FileDownloadsLog", "bridge::persistence::FileDownloadsLog" },
    { "lea::persistence::ObjectDownloadsLog", "bridge::persistence::ObjectDownloadsLog" },
    { "lea::persistence::RemoteRequests", "bridge::persistence::RemoteRequests" },
};

const QString kRefusal = QStringLiteral("] Cannot instanciate accessor: not implemented on this machine");

/// Calls visit(creation interface, tag) for every accessor of the ten areas.
template <class Visit> void forEveryAccessor(bridge::Bridge& bridge, Visit&& visit)
{
    lea::helpers::forEachAccessor(bridge.interfaceFactory(), visit);
    lea::helpers::forEachAccessor(bridge.hardwareFactory(), visit);
    lea::helpers::forEachAccessor(bridge.miscFactory(), visit);
    lea::helpers::forEachAccessor(bridge.staticSettingsFactory(), visit);
    lea::helpers::forEachAccessor(bridge.statisticsFactory(), visit);
    lea::helpers::forEachAccessor(bridge.productsFactory(), visit);
    lea::helpers::forEachAccessor(bridge.paymentFactory(), visit);
    lea::helpers::forEachAccessor(bridge.maintenanceFactory(), visit);
    lea::helpers::forEachAccessor(bridge.persistenceFactory(), visit);
    lea::helpers::forEachAccessor(bridge.connectivityFactory(), visit);
}

// Accessors read the machine when they are made.
using Factories = MachineTest;

TEST_F(Factories, MakeDistinctAccessorsOfTheImplementedInterfacesThatOutliveTheBridge)
{
    auto parent = std::make_unique<QObject>();
    std::set<QString> interfaces;
    std::vector<QPointer<QObject>> made;
    {
        bridge::Bridge bridge;
        forEveryAccessor(bridge, [&](auto& factory, auto* tag) {
            using Accessor = std::remove_pointer_t<decltype(tag)>;
            const QString name = QString::fromLatin1(Accessor::staticMetaObject.className());
            interfaces.insert(name);
            const auto implemented = kImplemented.find(name);
            const bool available = implemented != kImplemented.end();
            EXPECT_EQ(factory.hasImp(tag), available) << qPrintable(name);
            if (!available)
                return;
            QtMessageCapture capture;
            Accessor* first = factory.createImp(tag, parent.get());
            Accessor* second = factory.createImp(tag, parent.get());
            const std::unique_ptr<Accessor> parentless(factory.createImp(tag, nullptr));
            ASSERT_TRUE(first && second && parentless) << qPrintable(name);
            EXPECT_NE(first, second);
            EXPECT_EQ(QString::fromLatin1(first->metaObject()->className()), implemented->second);
            EXPECT_EQ(first->parent(), parent.get());
            EXPECT_EQ(second->parent(), parent.get());
            EXPECT_EQ(parentless->parent(), nullptr);
            EXPECT_TRUE(capture.messages().isEmpty()) << qPrintable(name);
            made.insert(made.end(), { first, second });
        });
    }
    EXPECT_EQ(interfaces.size(), 95u);
    ASSERT_EQ(made.size(), 2 * kImplemented.size());
    EXPECT_EQ(parent->children().size(), int(made.size()));
    parent.reset();
    for (const QPointer<QObject>& accessor : made)
        EXPECT_TRUE(accessor.isNull());
}

TEST(Bridge, EveryUnavailableAccessorIsNullWithOneCriticalMessage)
{
    bridge::Bridge bridge;
    QObject parent;
    int refused = 0;
    forEveryAccessor(bridge, [&](auto& factory, auto* tag) {
        using Accessor = std::remove_pointer_t<decltype(tag)>;
        const QString name = QString::fromLatin1(Accessor::staticMetaObject.className());
        if (kImplemented.count(name))
            return;
        ++refused;
        QtMessageCapture capture;
        EXPECT_EQ(factory.createImp(tag, &parent), nullptr) << qPrintable(name);
        const auto messages = capture.messages();
        ASSERT_EQ(messages.size(), 1) << qPrintable(name);
        EXPECT_EQ(messages[0].type, QtCriticalMsg);
        EXPECT_EQ(messages[0].category, QStringLiteral("default"));
        EXPECT_TRUE(messages[0].text.contains(QStringLiteral("; AccessorBase = ") + name + kRefusal))
            << qPrintable(messages[0].text);
    });
    EXPECT_EQ(refused, 95 - int(kImplemented.size()));
    EXPECT_TRUE(parent.children().isEmpty());

    QtMessageCapture capture;
    static_cast<lea::priv::AbstractFactoryImp<lea::misc::Events>&>(bridge.miscFactory())
        .createImp(nullptr, nullptr);
    ASSERT_EQ(capture.messages().size(), 1);
    EXPECT_EQ(capture.messages()[0].text,
        "AccessorBase* lea::helpers::NewImp<FactoryBase, AccessorBase, "
        "AccessorBase>::createImp(AccessorBase*, "
        "QObject*) [with FactoryBase = lea::priv::AbstractFactory<lea::misc::States, lea::misc::Events, "
        "lea::misc::Crypt, lea::misc::Files, lea::misc::Watchdog>; AccessorBase = lea::misc::Events"
            + kRefusal);
}

} // namespace
