#include "bridge/connectivity/modemstateenumconverter.h"
#include "bridge/qml/amicloproperties.h"
#include "bridge/qml/newdigitalproperties.h"
#include "bridge/qml/sophiaproperties.h"
#include "bridge/qml/televendproperties.h"
#include "propertytable.h"
#include "support/printers.h"

#include <QDateTime>
#include <QMetaType>
#include <QTimeZone>

namespace {

using bridge::qml::AmiCloProperties;
using bridge::qml::NewDigitalProperties;
using bridge::qml::SophiaProperties;
using bridge::qml::TelevendProperties;

QVariant u64(quint64 value)
{
    return QVariant::fromValue<quint64>(value);
}

const QString unset = QStringLiteral("~~ unset ~~");
const QDateTime lastUpdate(QDate(2026, 3, 1), QTime(8, 30), QTimeZone::utc());

using AmiCloCase = PropertyCase<AmiCloProperties>;
const AmiCloCase amiCloCases[] = {
    PROPERTY_CASE(AmiCloProperties, active, setActive, bool, false, true),
    PROPERTY_CASE(AmiCloProperties, networkAvailable, setNetworkAvailable, bool, false, true),
    PROPERTY_CASE(
        AmiCloProperties, creditsLastUpdate, setCreditsLastUpdate, QDateTime, QDateTime(), lastUpdate),
    PROPERTY_CASE(
        AmiCloProperties, creditsProjection, setCreditsProjection, quint64, u64(0), u64(1ull << 40)),
    PROPERTY_CASE(AmiCloProperties, creditsReal, setCreditsReal, quint64, u64(0), u64(~0ull)),
    PROPERTY_CASE(AmiCloProperties, creditsExtensionActive, setCreditsExtensionActive, bool, false, true),
    PROPERTY_CASE(AmiCloProperties, creditsCountDisabled, setCreditsCountDisabled, bool, false, true),
    PROPERTY_CASE(
        AmiCloProperties, libraryVersion, setLibraryVersion, QString, unset, QStringLiteral("4.2.1")),
    PROPERTY_CASE(AmiCloProperties, profileImageCredits, setProfileImageCredits, quint64, u64(0), u64(12)),
    PROPERTY_CASE(AmiCloProperties, profileMonthlyPackage, setProfileMonthlyPackage, quint64, u64(0),
        u64(3000000000ull)),
    PROPERTY_CASE(AmiCloProperties, profileName, setProfileName, QString, unset, QStringLiteral("Gold")),
    PROPERTY_CASE(
        AmiCloProperties, profileOctetsPerCredit, setProfileOctetsPerCredit, quint64, u64(0), u64(1024)),
    PROPERTY_CASE(
        AmiCloProperties, profileUuid, setProfileUuid, QString, QString(), QStringLiteral("8a1f-77")),
    PROPERTY_CASE(AmiCloProperties, profileVideoCredits, setProfileVideoCredits, quint64, u64(0), u64(5)),
    PROPERTY_CASE(AmiCloProperties, protocolVersion, setProtocolVersion, QString, unset, QStringLiteral("2")),
    PROPERTY_CASE(AmiCloProperties, softwareAvailable, setSoftwareAvailable, bool, false, true),
    PROPERTY_CASE(AmiCloProperties, networkLog, setNetworkLog, QString, unset, QStringLiteral("up\ndown")),
    PROPERTY_CASE(AmiCloProperties, configGroupPending, setConfigGroupPending, bool, false, true),
};

using NewDigitalCase = PropertyCase<NewDigitalProperties>;
const NewDigitalCase newDigitalCases[] = {
    PROPERTY_CASE(NewDigitalProperties, enabled, setEnabled, bool, false, true),
    PROPERTY_CASE(NewDigitalProperties, deviceId, setDeviceId, QString, QString(), QStringLiteral("nd-0042")),
    PROPERTY_CASE(
        NewDigitalProperties, networkLog, setNetworkLog, QString, QString(), QStringLiteral("connected")),
    PROPERTY_CASE(NewDigitalProperties, verboseLogsEnabled, setVerboseLogsEnabled, bool, false, true),
    PROPERTY_CASE(NewDigitalProperties, softwareAvailable, setSoftwareAvailable, bool, false, true),
    PROPERTY_CASE(NewDigitalProperties, configGroupPending, setConfigGroupPending, bool, false, true),
};

using SophiaCase = PropertyCase<SophiaProperties>;
const SophiaCase sophiaCases[] = {
    PROPERTY_CASE(SophiaProperties, active, setActive, bool, false, true),
    PROPERTY_CASE(
        SophiaProperties, hostname, setHostname, QString, QString(), QStringLiteral("telemetry.example")),
    PROPERTY_CASE(SophiaProperties, port, setPort, int, 0, 12007),
    PROPERTY_CASE(SophiaProperties, simIdentifier, setSimIdentifier, QString, QString(),
        QStringLiteral("8939100000000000001")),
    PROPERTY_CASE(SophiaProperties, firmware, setFirmware, QString, QString(), QStringLiteral("EC25 1.3")),
    PROPERTY_CASE(SophiaProperties, dbm, setDbm, int, 0, -71),
    PROPERTY_CASE(SophiaProperties, isConnected, setIsConnected, bool, false, true),
    PROPERTY_CASE(SophiaProperties, state, setState, SophiaProperties::State,
        QVariant::fromValue(SophiaProperties::FirstStart),
        QVariant::fromValue(SophiaProperties::ErrorCollectingData)),
    PROPERTY_CASE(SophiaProperties, networkLog, setNetworkLog, QString, unset, QStringLiteral("modem up")),
};

using TelevendCase = PropertyCase<TelevendProperties>;
const TelevendCase televendCases[] = {
    PROPERTY_CASE(TelevendProperties, enabled, setEnabled, bool, false, true),
    PROPERTY_CASE(TelevendProperties, vamConnected, setVamConnected, bool, false, true),
    PROPERTY_CASE(TelevendProperties, tamConnected, setTamConnected, bool, false, true),
    PROPERTY_CASE(TelevendProperties, pendingEvents, setPendingEvents, int, 0, 17),
    PROPERTY_CASE(TelevendProperties, pendingVends, setPendingVends, int, 0, -1),
    PROPERTY_CASE(TelevendProperties, networkLog, setNetworkLog, QString, QString(), QStringLiteral("ack")),
    PROPERTY_CASE(TelevendProperties, pid, setPid, QString, QString(), QStringLiteral("PID-77")),
};

template <class Object> class PropertyTable : public ::testing::TestWithParam<PropertyCase<Object>>
{
};

#define PROPERTY_TABLE(Suite, Object, table)                                                                 \
    using Suite = PropertyTable<Object>;                                                                     \
    TEST_P(Suite, StartsAtItsInitialValueAndNotifiesOncePerChange)                                           \
    {                                                                                                        \
        checkPropertyCase(GetParam());                                                                       \
    }                                                                                                        \
    INSTANTIATE_TEST_SUITE_P(Properties, Suite, ::testing::ValuesIn(table),                                  \
        [](const ::testing::TestParamInfo<PropertyCase<Object>>& info) {                                     \
            return std::string(info.param.property);                                                         \
        })

PROPERTY_TABLE(AmiCloProperty, AmiCloProperties, amiCloCases);
PROPERTY_TABLE(NewDigitalProperty, NewDigitalProperties, newDigitalCases);
PROPERTY_TABLE(SophiaProperty, SophiaProperties, sophiaCases);
PROPERTY_TABLE(TelevendProperty, TelevendProperties, televendCases);

// Constant properties: the same value always, and nothing to notify.
TEST(PropertyObjects, ConstantsAreConstantWithTheirTexts)
{
    const std::pair<const char*, QVariant> updates[]
        = { { "linesPerLogPage", 100 }, { "applicationUpdateName", QStringLiteral("Application update") },
              { "configGroupName", QStringLiteral("Configuration group") },
              { "completeBackupName", QStringLiteral("Complete backup") },
              { "uiUpdateName", QStringLiteral("GUI update") } };
    const QObject* objects[] = { AmiCloProperties::instance(), NewDigitalProperties::instance() };
    for (const QObject* object : objects) {
        for (const auto& [name, value] : updates) {
            const QMetaProperty property
                = object->metaObject()->property(object->metaObject()->indexOfProperty(name));
            EXPECT_TRUE(property.isConstant()) << name;
            EXPECT_EQ(property.read(object), value) << name;
        }
    }
    for (const QObject* object : { static_cast<const QObject*>(SophiaProperties::instance()),
             static_cast<const QObject*>(TelevendProperties::instance()) }) {
        EXPECT_EQ(object->property("linesPerLogPage"), 100);
        EXPECT_TRUE(object->metaObject()
                        ->property(object->metaObject()->indexOfProperty("linesPerLogPage"))
                        .isConstant());
    }
}

TEST(PropertyObjects, EachInstanceIsOneParentlessObjectForTheProcess)
{
    const QObject* instances[] = { AmiCloProperties::instance(), NewDigitalProperties::instance(),
        SophiaProperties::instance(), TelevendProperties::instance() };
    EXPECT_EQ(instances[0], AmiCloProperties::instance());
    EXPECT_EQ(instances[1], NewDigitalProperties::instance());
    EXPECT_EQ(instances[2], SophiaProperties::instance());
    EXPECT_EQ(instances[3], TelevendProperties::instance());
    for (const QObject* instance : instances)
        EXPECT_EQ(instance->parent(), nullptr);
}

TEST(PropertyObjects, SignalsAreDeclaredInTheirOrder)
{
    EXPECT_EQ(ownSignals(AmiCloProperties::staticMetaObject),
        (QList<QByteArray> { "activeChanged()", "networkAvailableChanged()", "creditsLastUpdateChanged()",
            "creditsProjectionChanged()", "creditsRealChanged()", "creditsExtensionActiveChanged()",
            "creditsCountDisabledChanged()", "libraryVersionChanged()", "profileImageCreditsChanged()",
            "profileMonthlyPackageChanged()", "profileNameChanged()", "profileOctetsPerCreditChanged()",
            "profileUuidChanged()", "profileVideoCreditsChanged()", "protocolVersionChanged()",
            "softwareAvailableChanged()", "networkLogChanged()", "applicationUpdateAvailableChanged()",
            "configGroupPendingChanged()", "updateApplication()", "applicationUpdateFinished(bool,QString)",
            "importConfigGroup()", "configGroupUncompressFinished(bool,QString)",
            "configGroupImportFinished(bool)", "importCompleteBackup()",
            "completeBackupUncompressFinished(bool,QString)", "importUiUpdate()",
            "uiUpdateUncompressFinished(bool,QString)", "updateNetworkLog(int)" }));
    EXPECT_EQ(ownSignals(TelevendProperties::staticMetaObject),
        (QList<QByteArray> { "enabledChanged()", "vamConnectedChanged()", "tamConnectedChanged()",
            "localVamApiVersionChanged()", "remoteVamApiVersionChanged()", "localTamApiVersionChanged()",
            "remoteTamApiVersionChanged()", "hasVamApiVersionMismatchChanged()",
            "hasTamApiVersionMismatchChanged()", "cloudConnectionStatusChanged()", "pendingEventsChanged()",
            "pendingVendsChanged()", "networkLogChanged()", "pidChanged()", "activationStatusChanged()",
            "updateNetworkLog(int)", "sendAction(lea::connectivity::Televend::ActionType)",
            "sendFactoryReset(bool)", "sendActivation(QString,QString)", "ackReceived(QString)",
            "nakReceived(QString)" }));
    EXPECT_EQ(ownSignals(SophiaProperties::staticMetaObject),
        (QList<QByteArray> { "activeChanged()", "connectedChanged()", "hostnameChanged()", "portChanged()",
            "modemDeamonStartAsked()", "modemDeamonStopAsked()", "simIdentifierChanged()",
            "firmwareChanged()", "dbmChanged()", "isConnectedChanged()", "modemDataChanged()",
            "stateChanged()", "isTestServerEnabledChanged()", "networkLogChanged()",
            "updateNetworkLog(int)" }));
}

TEST(SophiaProperties, ConnectionIsAnnouncedUnderBothNamesAndTheModemRequestsAreSignals)
{
    Fresh<SophiaProperties> sophia;
    QSignalSpy connected(&sophia, &SophiaProperties::connectedChanged);
    QSignalSpy start(&sophia, &SophiaProperties::modemDeamonStartAsked);
    QSignalSpy stop(&sophia, &SophiaProperties::modemDeamonStopAsked);
    sophia.setIsConnected(true);
    sophia.setIsConnected(true);
    EXPECT_EQ(connected.count(), 1);
    ASSERT_TRUE(QMetaObject::invokeMethod(&sophia, "startModemDeamon"));
    EXPECT_EQ(std::make_pair(start.count(), stop.count()), std::make_pair(1, 0));
    ASSERT_TRUE(QMetaObject::invokeMethod(&sophia, "stopModemDeamon"));
    EXPECT_EQ(std::make_pair(start.count(), stop.count()), std::make_pair(1, 1));
}

TEST(TelevendProperties, InvokablesSendTheirRequestWithItsArguments)
{
    using Televend = lea::connectivity::Televend;
    qRegisterMetaType<Televend::ActionType>();
    Fresh<TelevendProperties> televend;
    QSignalSpy actions(&televend, &TelevendProperties::sendAction);
    QSignalSpy resets(&televend, &TelevendProperties::sendFactoryReset);
    QSignalSpy activations(&televend, &TelevendProperties::sendActivation);
    // The client knows the actions by number.
    const std::pair<const char*, int> invokables[] = { { "sendActionCashCollection", 0 },
        { "sendActionRefill", 1 }, { "sendActionPullConfiguration", 2 }, { "sendActionPullPrices", 3 } };
    for (const auto& [method, action] : invokables) {
        ASSERT_TRUE(QMetaObject::invokeMethod(&televend, method)) << method;
        ASSERT_EQ(actions.count(), 1) << method;
        EXPECT_EQ(int(actions.takeFirst().at(0).value<Televend::ActionType>()), action) << method;
    }
    for (const bool deactivate : { true, false }) {
        ASSERT_TRUE(QMetaObject::invokeMethod(&televend, "sendFactoryResetFromQml", Q_ARG(bool, deactivate)));
        ASSERT_EQ(resets.count(), 1);
        EXPECT_EQ(resets.takeFirst().at(0).toBool(), deactivate);
    }
    ASSERT_TRUE(QMetaObject::invokeMethod(&televend, "sendActivationFromQml",
        Q_ARG(QString, QStringLiteral("10.0.0.7")), Q_ARG(QString, QStringLiteral("K-1234"))));
    ASSERT_EQ(activations.count(), 1);
    EXPECT_EQ(activations.at(0), (QList<QVariant> { QStringLiteral("10.0.0.7"), QStringLiteral("K-1234") }));
    EXPECT_TRUE(actions.isEmpty() && resets.isEmpty());
}

} // namespace

namespace {

// The client numbers the modem's states otherwise than the property object.
TEST(ModemStateEnumConverter, TranslatesTheClientsNumbersBothWaysAndRefusesOthers)
{
    using Converter = bridge::connectivity::ModemStateEnumConverter;
    using Lea = lea::connectivity::Sophia::ModemState;
    const std::pair<int, int> table[] = { { 0, 0 }, { 1, 1 }, { 2, 5 }, { 3, 4 }, { 4, 2 }, { 5, 3 } };
    for (const auto& [client, property] : table) {
        EXPECT_EQ(Converter::toInternalOpt(Lea(client)), SophiaProperties::State(property)) << client;
        EXPECT_EQ(Converter::toExternalOpt(SophiaProperties::State(property)), Lea(client)) << client;
    }
    for (const int other : { -1, 6, 99 }) {
        EXPECT_FALSE(Converter::toInternalOpt(Lea(other))) << other;
        EXPECT_FALSE(Converter::toExternalOpt(SophiaProperties::State(other))) << other;
    }
    EXPECT_THROW(Converter::toInternalOrThrow(Lea(6)), std::invalid_argument);
}

} // namespace
