#include "bridge/hardware/boilers.h"
#include "bridge/hardware/emptyboilerstateenumconverter.h"
#include "core/configuration/configuration.h"
#include "core/machine/erogationmanager.h"
#include "core/machine/machine.h"
#include "support/guardtest.h"
#include "support/settingsaccessortest.h"

#include <QSignalSpy>

namespace {

using LeaBoilers = lea::hardware::Boilers;
using Protocol = ErogationProtocolMivoTouchDaltoRusena;
using StateConverter = bridge::hardware::EmptyBoilerStateEnumConverter;

Protocol::DaltoRusEmptyBoilerState coreState(int value)
{
    return static_cast<Protocol::DaltoRusEmptyBoilerState>(value);
}

LeaBoilers::EmptyBoilerState leaState(int value)
{
    return static_cast<LeaBoilers::EmptyBoilerState>(value);
}

class BoilersTest : public SettingsAccessorTest<LeaBoilers, bridge::hardware::Boilers>
{
protected:
    ErogationManager& erogationManager() const { return *gCoreEnv->machine()->erogationManager(); }
};

// Every listed pair, read from the machine and written to it.
TEST_F(BoilersTest, EmptyBoilerStatesCrossInBothDirectionsByTheTable)
{
    const std::pair<int, int> table[] = { { 0, 0 }, { 113, 1 }, { 114, 2 }, { 100, 3 }, { 1, 4 }, { 2, 5 },
        { 3, 6 }, { 4, 7 }, { 101, 8 }, { 102, 9 }, { 103, 10 }, { 104, 11 }, { 106, 12 }, { 107, 13 },
        { 109, 14 }, { 110, 15 }, { 111, 16 }, { 112, 17 }, { 115, 18 }, { 116, 19 }, { 117, 20 },
        { 118, 21 }, { 119, 22 }, { 120, 23 }, { 121, 24 }, { 122, 25 }, { 123, 26 }, { 124, 27 } };
    ASSERT_EQ(StateConverter::convertibleExternalValues().size(), std::size(table));
    for (const auto& [core, lea] : table) {
        erogationManager().setEmptyBoilerState(coreState(core));
        EXPECT_EQ(accessor->emptyBoilerState(), leaState(lea)) << core;
        erogationManager().setEmptyBoilerState(Protocol::EmptyBoilerIdle);
        accessor->setEmptyBoilerState(leaState(lea));
        EXPECT_EQ(erogationManager().erogationProtocol()->emptyBoilerState(), coreState(core)) << lea;
    }
}

TEST_F(BoilersTest, UnknownEmptyBoilerStatesThrowAndChangeNothing)
{
    for (const int core : { 105, 108, 5, 99, 125, -1 }) {
        erogationManager().setEmptyBoilerState(coreState(core));
        EXPECT_EQ(exceptionText<std::invalid_argument>([&] { accessor->emptyBoilerState(); }),
            "Invalid internal enum value " + std::to_string(core) + " (" + StateConverter::converter() + ")");
    }
    erogationManager().setEmptyBoilerState(coreState(113));
    QSignalSpy changed(erogationManager().erogationProtocol(), &Protocol::emptyBoilerStateChanged);
    for (const int lea : { 28, -1, 1000 }) {
        EXPECT_EQ(exceptionText<std::invalid_argument>([&] { accessor->setEmptyBoilerState(leaState(lea)); }),
            "Invalid external enum value " + std::to_string(lea) + " (" + StateConverter::converter() + ")");
    }
    EXPECT_EQ(erogationManager().erogationProtocol()->emptyBoilerState(), coreState(113));
    EXPECT_TRUE(changed.isEmpty());
}

TEST_F(BoilersTest, ManualInstallationStartsForKnownBoilersOnly)
{
    QSignalSpy started(&erogationManager(), &ErogationManager::manualBoilerInstallationStarted);
    accessor->manualBoilerInstallation(LeaBoilers::EspressoBoiler);
    accessor->manualBoilerInstallation(LeaBoilers::InstantBoiler);
    for (const int other : { 2, -1 }) {
        EXPECT_NE(exceptionText<std::invalid_argument>([&] {
            accessor->manualBoilerInstallation(static_cast<LeaBoilers::BoilerType>(other));
        }).find("Invalid external enum value " + std::to_string(other)),
            std::string::npos);
    }
    ASSERT_EQ(started.size(), 2);
    EXPECT_EQ(
        started[0][0].value<AbstractErogationProtocol::Boilers>(), AbstractErogationProtocol::EspressoBoiler);
    EXPECT_EQ(
        started[1][0].value<AbstractErogationProtocol::Boilers>(), AbstractErogationProtocol::InstantBoiler);
}

struct AvailabilityCase
{
    const char* key;
    bool (LeaBoilers::*flag)() const;
};

// Each flag follows its own key only.
TEST_F(BoilersTest, EachAvailabilityFlagFollowsTheConfiguration)
{
    const AvailabilityCase cases[] = {
        { "boilers/espresso", &LeaBoilers::espressoBoilerAvailable },
        { "boilers/instant", &LeaBoilers::instantBoilerAvailable },
        { "boilers/steam", &LeaBoilers::steamBoilerAvailable },
        { "boilers/espressoForInstant", &LeaBoilers::espressoBoilerForInstantAvailable },
    };
    for (const bool value : { true, false }) {
        for (const AvailabilityCase& set : cases) {
            for (const AvailabilityCase& other : cases)
                ASSERT_TRUE(store().setValue(QLatin1String(other.key), !value));
            ASSERT_TRUE(store().setValue(QLatin1String(set.key), value));
            loadConfiguration();
            for (const AvailabilityCase& read : cases)
                EXPECT_EQ((accessor.get()->*read.flag)(), read.key == set.key ? value : !value)
                    << set.key << " " << read.key;
        }
    }
    EXPECT_TRUE(logEntries().isEmpty());
}

using Boilers = bridge::hardware::Boilers;
const GuardCase<Boilers> kGuarded[] = {
    { "espressoBoilerAvailable", [](Boilers& b) { return !b.espressoBoilerAvailable(); } },
    { "instantBoilerAvailable", [](Boilers& b) { return !b.instantBoilerAvailable(); } },
    { "steamBoilerAvailable", [](Boilers& b) { return !b.steamBoilerAvailable(); } },
    { "espressoBoilerForInstantAvailable",
        [](Boilers& b) { return !b.espressoBoilerForInstantAvailable(); } },
    { "emptyBoilerState", [](Boilers& b) { return b.emptyBoilerState() == LeaBoilers::EmptyBoilerIdle; },
        Guard::None },
    { "setEmptyBoilerState",
        [](Boilers& b) {
            b.setEmptyBoilerState(leaState(1));
            return gCoreEnv->machine()->erogationManager()->erogationProtocol()->emptyBoilerState()
                == coreState(113);
        },
        Guard::None },
    { "manualBoilerInstallation",
        [](Boilers& b) {
            QSignalSpy started(
                gCoreEnv->machine()->erogationManager(), &ErogationManager::manualBoilerInstallationStarted);
            b.manualBoilerInstallation(LeaBoilers::InstantBoiler);
            return started.size() == 1;
        },
        Guard::None },
};
GUARD_TEST(BoilersGuard, LeaBoilers, Boilers, kGuarded);

} // namespace
