#include "bridge/bridge.h"
#include "lea/helpers/concretefactory.h"
#include "lea/helpers/foreachaccessor.h"
#include "lea/helpers/makeunique.h"
#include "support/printers.h"
#include "support/qtmessagecapture.h"

#include <gtest/gtest.h>
#include <QPointer>
#include <set>

namespace {

// The interfaces this library answers as not available on any machine.
const std::set<QString> kNotImplemented = {
    "lea::interface::FooterLogo",
    "lea::hardware::BLE",
    "lea::hardware::Ethernet",
    "lea::hardware::Wifi",
    "lea::misc::Events",
    "lea::misc::Files",
    "lea::statistics::Settings",
    "lea::products::FlatRecipes",
    "lea::payment::VirtualCredits",
};

// Interfaces whose accessors are still to be written.
const std::set<QString> kNotBuiltYet = {
    "lea::interface::Playlists",
    "lea::interface::Screensaver",
    "lea::interface::UIOptions",
    "lea::interface::NativeUI",
    "lea::interface::EnergySaving",
    "lea::interface::Logo",
    "lea::interface::Selection",
    "lea::interface::NewsFeed",
    "lea::interface::EnergySavingParametersLimits",
    "lea::interface::SelectionQRCode",
    "lea::interface::ReceiptQRCode",
    "lea::interface::Dispensing",
    "lea::interface::LoyaltyQRCode",
    "lea::hardware::Door",
    "lea::hardware::Brewer",
    "lea::hardware::CupSensor",
    "lea::hardware::BoilerTemperature",
    "lea::hardware::DiskSpace",
    "lea::hardware::SlaveMachines",
    "lea::hardware::Reboot",
    "lea::hardware::TestComponents",
    "lea::hardware::DispensingCalibration",
    "lea::hardware::Boilers",
    "lea::hardware::Pumps",
    "lea::hardware::Fan",
    "lea::hardware::EspressoGroup",
    "lea::hardware::CupDispenser",
    "lea::hardware::Sensors",
    "lea::hardware::Modem",
    "lea::hardware::CodeScanner",
    "lea::hardware::UART",
    "lea::hardware::DADD",
    "lea::hardware::BoilerParametersLimits",
    "lea::staticsettings::Characteristics",
    "lea::staticsettings::Operator",
    "lea::staticsettings::Paths",
    "lea::staticsettings::Date",
    "lea::staticsettings::Languages",
    "lea::staticsettings::Network",
    "lea::staticsettings::Display",
    "lea::staticsettings::EndLineTest",
    "lea::staticsettings::BoilerCapabilities",
    "lea::staticsettings::EnergySavingCapabilities",
    "lea::staticsettings::RollingTextsCapabilities",
    "lea::statistics::Delivery",
    "lea::statistics::Evadts",
    "lea::statistics::CleaningEvents",
    "lea::products::Beverages",
    "lea::products::NutritionalInformation",
    "lea::products::Products",
    "lea::products::Promotions",
    "lea::products::CoffeesToGo",
    "lea::products::Upsellings",
    "lea::products::Cups",
    "lea::products::Filters",
    "lea::payment::Payments",
    "lea::payment::TimeBands",
    "lea::payment::ProductsPrice",
    "lea::payment::Paxio",
    "lea::payment::RemoteSelectorMdb",
    "lea::maintenance::Cleaning",
    "lea::maintenance::AutomaticRinsing",
    "lea::maintenance::InactivityCleaning",
    "lea::maintenance::Maintenance",
    "lea::maintenance::SolidWaste",
    "lea::maintenance::Failures",
    "lea::maintenance::Configurations",
    "lea::persistence::Logs",
    "lea::persistence::ObjectDownloadsLog",
    "lea::persistence::FileDownloadsLog",
    "lea::persistence::RemoteRequests",
    "lea::connectivity::AmiClo",
    "lea::connectivity::Management",
    "lea::connectivity::ERSProtocol",
    "lea::connectivity::Sophia",
    "lea::connectivity::Maestro",
    "lea::connectivity::Televend",
    "lea::connectivity::NewDigital",
    "lea::connectivity::Touchless",
};

struct Availability
{
    QString accessor;
    bool available;
};

template <class Factory> void collect(Factory& factory, std::vector<Availability>& out)
{
    lea::helpers::forEachAccessor(factory, [&](auto& imp, auto* tag) {
        using Accessor = std::remove_pointer_t<decltype(tag)>;
        out.push_back({ QString::fromLatin1(Accessor::staticMetaObject.className()), imp.hasImp(tag) });
    });
}

std::vector<Availability> allAccessors(bridge::Bridge& bridge)
{
    std::vector<Availability> all;
    collect(bridge.interfaceFactory(), all);
    collect(bridge.hardwareFactory(), all);
    collect(bridge.miscFactory(), all);
    collect(bridge.staticSettingsFactory(), all);
    collect(bridge.statisticsFactory(), all);
    collect(bridge.productsFactory(), all);
    collect(bridge.paymentFactory(), all);
    collect(bridge.maintenanceFactory(), all);
    collect(bridge.persistenceFactory(), all);
    collect(bridge.connectivityFactory(), all);
    return all;
}

TEST(Bridge, OffersEveryInterfaceOfTheTenAreas)
{
    bridge::Bridge bridge;
    const auto all = allAccessors(bridge);
    ASSERT_EQ(all.size(), 95u);
    std::set<QString> names;
    for (const Availability& a : all)
        names.insert(a.accessor);
    EXPECT_EQ(names.size(), 95u);
    for (const QString& name : kNotImplemented)
        EXPECT_EQ(names.count(name), 1u) << name.toStdString();
}

TEST(Bridge, AnswersWhichAccessorsItImplements)
{
    bridge::Bridge bridge;
    for (const Availability& a : allAccessors(bridge)) {
        const bool expected = kNotImplemented.count(a.accessor) == 0 && kNotBuiltYet.count(a.accessor) == 0;
        EXPECT_EQ(a.available, expected) << a.accessor.toStdString();
    }
}

TEST(Bridge, UnavailableAccessorGivesNullAndOneCriticalMessage)
{
    bridge::Bridge bridge;
    QObject parent;
    QtMessageCapture capture;
    auto& imp = static_cast<lea::priv::AbstractFactoryImp<lea::misc::Events>&>(bridge.miscFactory());
    EXPECT_EQ(imp.createImp(nullptr, &parent), nullptr);
    EXPECT_TRUE(parent.children().isEmpty());

    const auto messages = capture.messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].type, QtCriticalMsg);
    EXPECT_EQ(messages[0].category, QStringLiteral("default"));
    EXPECT_TRUE(messages[0].text.startsWith(
        "AccessorBase* lea::helpers::NewImp<FactoryBase, AccessorBase, "
        "AccessorBase>::createImp(AccessorBase*, "
        "QObject*) [with FactoryBase = lea::priv::AbstractFactory<lea::misc::States, lea::misc::Events, "
        "lea::misc::Crypt, lea::misc::Files, lea::misc::Watchdog>; AccessorBase = lea::misc::Events]"))
        << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.endsWith("] Cannot instanciate accessor: not implemented on this machine"))
        << messages[0].text.toStdString();
}

TEST(Bridge, EveryUnavailableAccessorIsRefusedTheSameWay)
{
    bridge::Bridge bridge;
    int refused = 0;
    const auto check = [&](auto& factory) {
        lea::helpers::forEachAccessor(factory, [&](auto& imp, auto* tag) {
            if (imp.hasImp(tag))
                return;
            QtMessageCapture capture;
            EXPECT_EQ(imp.createImp(tag, nullptr), nullptr);
            EXPECT_EQ(capture.messages().size(), 1);
            ++refused;
        });
    };
    check(bridge.interfaceFactory());
    check(bridge.hardwareFactory());
    check(bridge.miscFactory());
    check(bridge.staticSettingsFactory());
    check(bridge.statisticsFactory());
    check(bridge.productsFactory());
    check(bridge.paymentFactory());
    check(bridge.maintenanceFactory());
    check(bridge.persistenceFactory());
    check(bridge.connectivityFactory());
    EXPECT_EQ(refused, int(kNotImplemented.size() + kNotBuiltYet.size()));
}

// A factory over the real misc interface list whose Events accessor exists,
// to exercise the creation path of the templates.
class TestEvents : public lea::misc::Events
{
public:
    explicit TestEvents(QObject* parent)
        : Events(parent)
    {
    }
};

using ListedFirst = lea::helpers::ConcreteFactory<lea::misc::Factory, TestEvents, lea::misc::States,
    lea::misc::Crypt, lea::misc::Files, lea::misc::Watchdog>;
using ListedLast = lea::helpers::ConcreteFactory<lea::misc::Factory, lea::misc::States, lea::misc::Crypt,
    lea::misc::Files, lea::misc::Watchdog, TestEvents>;

template <class Factory> class FactoryTemplates : public ::testing::Test
{
protected:
    std::unique_ptr<lea::misc::Factory> factory { lea::helpers::make_unique<Factory>() };
    lea::priv::AbstractFactoryImp<lea::misc::Events>& events()
    {
        return static_cast<lea::priv::AbstractFactoryImp<lea::misc::Events>&>(*factory);
    }
};

using FactoryTypes = ::testing::Types<ListedFirst, ListedLast>;
TYPED_TEST_SUITE(FactoryTemplates, FactoryTypes);

TYPED_TEST(FactoryTemplates, CreatesDistinctAccessorsOwnedByTheParent)
{
    auto parent = std::make_unique<QObject>();
    EXPECT_TRUE(this->events().hasImp(nullptr));
    QPointer<lea::misc::Events> first = this->events().createImp(nullptr, parent.get());
    QPointer<lea::misc::Events> second = this->events().createImp(nullptr, parent.get());
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.data(), second.data());
    EXPECT_NE(dynamic_cast<TestEvents*>(first.data()), nullptr);
    EXPECT_EQ(first->parent(), parent.get());
    EXPECT_EQ(second->parent(), parent.get());
    parent.reset();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
}

TYPED_TEST(FactoryTemplates, NullParentGivesAParentlessAccessor)
{
    std::unique_ptr<lea::misc::Events> accessor(this->events().createImp(nullptr, nullptr));
    ASSERT_NE(accessor, nullptr);
    EXPECT_EQ(accessor->parent(), nullptr);
}

TYPED_TEST(FactoryTemplates, AccessorsOutliveTheirFactory)
{
    QObject parent;
    lea::misc::Events* accessor = this->events().createImp(nullptr, &parent);
    this->factory.reset();
    ASSERT_EQ(parent.children().size(), 1);
    EXPECT_EQ(parent.children().first(), accessor);
    EXPECT_STREQ(accessor->metaObject()->className(), "lea::misc::Events");
}

TYPED_TEST(FactoryTemplates, OtherInterfacesStayUnavailable)
{
    auto& files = static_cast<lea::priv::AbstractFactoryImp<lea::misc::Files>&>(*this->factory);
    QtMessageCapture capture;
    EXPECT_FALSE(files.hasImp(nullptr));
    EXPECT_EQ(files.createImp(nullptr, nullptr), nullptr);
    EXPECT_EQ(capture.messages().size(), 1);
}

} // namespace
