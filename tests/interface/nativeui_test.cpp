#include "bridge/interface/nativeui.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"
#include "core/gui/guimodule.h"
#include "core/gui/screensavermodule.h"
#include "core/gui/useractivitymonitoring.h"
#include "support/machineaccessortest.h"
#include "support/qtmessagecapture.h"

#include <functional>
#include <QSignalSpy>

namespace {

using LeaNativeUI = lea::interface::NativeUI;
using NativeUI = bridge::interface::NativeUI;

class NativeUITest : public MachineAccessorTest<LeaNativeUI, NativeUI>
{
protected:
    static GuiManager& gui() { return *gGuiEnv->guiManager(); }
};

// A change of the screen layer, the relay it must cause, and what the accessor then reads.
struct LayerEvent
{
    const char* name;
    std::function<void()> cause;
    void (LeaNativeUI::*relay)();
    std::function<bool(const LeaNativeUI::ModulesVisibility&)> visible;
};

const LayerEvent kLayerEvents[] = {
    { "technicalMenuShown", [] { gGuiEnv->guiManager()->technicalMenuModule()->setVisible(true); },
        &LeaNativeUI::technicalMenuVisibilityChanged, [](const auto& v) { return v.technicalMenu; } },
    { "initLoadingShown", [] { gGuiEnv->guiManager()->initLoadingModule()->setVisible(true); },
        &LeaNativeUI::initLoadingVisibilityChanged, [](const auto& v) { return v.initLoading; } },
    { "inactivity", [] { gGuiEnv->guiManager()->detectInactivity(); },
        &LeaNativeUI::screensaverInactivityDetected,
        [](const auto& v) { return !v.technicalMenu && !v.initLoading && !v.screenSaver; } },
    { "screenSaverExited",
        [] {
            gGuiEnv->guiManager()->screenSaverModule()->setVisible(true);
            gGuiEnv->guiManager()->screenSaverModule()->exit();
        },
        &LeaNativeUI::screenSaverExited, [](const auto& v) { return !v.screenSaver; } },
};

class NativeUIRelayTest : public NativeUITest, public ::testing::WithParamInterface<LayerEvent>
{
};

TEST_P(NativeUIRelayTest, RelaysOnceAndReadsTheLayer)
{
    QSignalSpy spy(accessor.get(), GetParam().relay);
    GetParam().cause();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(GetParam().visible(accessor->modulesVisibility()));
}

INSTANTIATE_TEST_SUITE_P(Events, NativeUIRelayTest, ::testing::ValuesIn(kLayerEvents), caseName<LayerEvent>);

TEST_F(NativeUITest, LeavingTheTechnicalMenuHidesItOnlyWhenShown)
{
    QSignalSpy spy(accessor.get(), &LeaNativeUI::technicalMenuVisibilityChanged);
    accessor->leaveTechnicalMenu();
    EXPECT_EQ(spy.count(), 0);
    gui().technicalMenuModule()->setVisible(true);
    accessor->leaveTechnicalMenu();
    EXPECT_FALSE(accessor->modulesVisibility().technicalMenu);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(NativeUITest, MessagesAndActivityReachTheLayer)
{
    accessor->showMessage(QStringLiteral("Please wait"));
    EXPECT_EQ(gui().showMessageText(), QStringLiteral("Please wait"));
    EXPECT_TRUE(gui().isShowMessage());
    accessor->setUserActivityDetected();
    accessor->setUserActivityDetected();
    EXPECT_EQ(gui().userActivityMonitoring()->activityCount(), 2);
}

TEST_F(NativeUITest, TheApplicationStopsOnlyWhenTheLayerAllowsIt)
{
    accessor->terminateApp();
    EXPECT_FALSE(gui().isApplicationStopped());
    gui().setCanStopApplication(true);
    accessor->terminateApp();
    EXPECT_TRUE(gui().isApplicationStopped());
}

TEST_F(NativeUITest, SelectionModeRoundTripsAndAnnouncesEachChange)
{
    QSignalSpy spy(accessor.get(), &LeaNativeUI::selectionModeChanged);
    accessor->setSelectionMode(LeaNativeUI::SelectionMode1);
    accessor->setSelectionMode(LeaNativeUI::SelectionMode1);
    EXPECT_EQ(gui().selectionMode(), GuiManager::SelectionMode1);
    EXPECT_EQ(accessor->selectionMode(), LeaNativeUI::SelectionMode1);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_THROW(
        accessor->setSelectionMode(static_cast<LeaNativeUI::SelectionMode>(2)), std::invalid_argument);
    gui().setSelectionMode(static_cast<GuiManager::SelectionMode>(5));
    EXPECT_THROW(accessor->selectionMode(), std::invalid_argument);
}

TEST_F(NativeUITest, UnsupportedMessagesReportThemselves)
{
    {
        QtMessageCapture capture;
        accessor->showCupPositionMessage();
        ASSERT_EQ(capture.messages().size(), 1);
        EXPECT_EQ(capture.messages()[0].type, QtWarningMsg);
        EXPECT_EQ(capture.messages()[0].text,
            QStringLiteral(
                "virtual void bridge::interface::NativeUI::showCupPositionMessage() is not implemented."));
    }
    EXPECT_TRUE(logEntries().isEmpty());
    accessor->showCreditMessage(lea::ProductDbId(3));
    ASSERT_EQ(logEntries().size(), 1);
    EXPECT_EQ(logEntries()[0].kind, LogEntry::Kind::ReleaseAssertion);
    EXPECT_TRUE(logEntries()[0].text.contains(QStringLiteral(
        "virtual void bridge::interface::NativeUI::showCreditMessage(lea::ProductDbId)is not implemented.")));
}

} // namespace
