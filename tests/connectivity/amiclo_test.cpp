#include "bridge/connectivity/amiclo.h"
#include "bridge/qml/amicloproperties.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "support/machineaccessortest.h"

#include <functional>
#include <QSignalSpy>

namespace {

using LeaAmiClo = lea::connectivity::AmiClo;
using bridge::qml::AmiCloProperties;

class AmiCloTest : public MachineAccessorTest<LeaAmiClo, bridge::connectivity::AmiClo>
{
protected:
    static QVariant shown(const char* property) { return AmiCloProperties::instance()->property(property); }
};

TEST_F(AmiCloTest, EveryClientReportLandsInItsProperty)
{
    const QDateTime update(QDate(2024, 3, 1), QTime(8, 30), Qt::UTC);
    const LeaAmiClo::Profile profile { QStringLiteral("uuid-1"), QStringLiteral("Gold"), 11, 12, 13, 14 };
    const LeaAmiClo::Credits credits { 21, 22, update, true, true };
    const std::pair<std::function<void(LeaAmiClo&)>, std::map<const char*, QVariant>> reports[] = {
        { [](LeaAmiClo& a) { a.activeChanged(true); }, { { "active", true } } },
        { [](LeaAmiClo& a) { a.networkAvailableChanged(true); }, { { "networkAvailable", true } } },
        { [](LeaAmiClo& a) { a.libraryVersionChanged(QStringLiteral("lib 3")); },
            { { "libraryVersion", "lib 3" } } },
        { [](LeaAmiClo& a) { a.protocolVersionChanged(QStringLiteral("p 9")); },
            { { "protocolVersion", "p 9" } } },
        { [](LeaAmiClo& a) { a.networkLogChanged(QStringLiteral("log")); }, { { "networkLog", "log" } } },
        { [&](LeaAmiClo& a) { a.profileChanged(profile); },
            { { "profileUuid", "uuid-1" }, { "profileName", "Gold" }, { "profileImageCredits", 11ull },
                { "profileVideoCredits", 12ull }, { "profileMonthlyPackage", 13ull },
                { "profileOctetsPerCredit", 14ull } } },
        { [&](LeaAmiClo& a) { a.creditsChanged(credits); },
            { { "creditsReal", 21ull }, { "creditsProjection", 22ull }, { "creditsLastUpdate", update },
                { "creditsExtensionActive", true }, { "creditsCountDisabled", true } } },
        // Without a profile only the uuid goes.
        { [](LeaAmiClo& a) { a.profileChanged(nonstd::nullopt); },
            { { "profileUuid", "" }, { "profileName", "Gold" }, { "profileOctetsPerCredit", 14ull } } },
    };
    for (const auto& [report, expected] : reports) {
        report(*accessor);
        for (const auto& [property, value] : expected)
            EXPECT_EQ(shown(property), value) << property;
    }
}

TEST_F(AmiCloTest, TheMachineActivatingAConfigurationIsAnnounced)
{
    QSignalSpy running(accessor.get(), &LeaAmiClo::beverageConfigurationActivationRunning);
    emit gGuiEnv->guiManager()->taskRunnerActivated(true);
    emit gGuiEnv->guiManager()->taskRunnerActivated(false);
    ASSERT_EQ(running.count(), 2);
    EXPECT_EQ(running.at(0).at(0), true);
    EXPECT_EQ(running.at(1).at(0), false);
}

} // namespace
