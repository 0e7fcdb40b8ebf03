#include "bridge/interface/footerlogo.h"
#include "bridge/interface/logo.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/generalsettings.h"
#include "core/gui/guicustomization.h"
#include "core/gui/guienvironment.h"
#include "core/settings/settingsstore.h"
#include "support/accessors.h"
#include "support/images.h"
#include "support/machinetest.h"

#include <QImage>
#include <QSignalSpy>

namespace {

using bridge::interface::FooterLogo;
using bridge::interface::Logo;

class LogosTest : public MachineTest
{
protected:
    void SetUp() override
    {
        MachineTest::SetUp();
        loadConfiguration();
        // Made directly: the factory does not offer the footer logo on this machine.
        footer = std::make_unique<FooterLogo>(nullptr);
        logo = createAccessor<lea::interface::Logo, Logo>();
        ASSERT_TRUE(logo);
        clearLog();
    }

    static GuiCustomization& customization() { return *gGuiEnv->guiCustomization(); }
    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    /// The sources as the group's database holds them.
    QString storedSource(const QString& key) const
    {
        store().reload();
        customization().load();
        return store().value(key).toString();
    }

    std::unique_ptr<FooterLogo> footer;
    std::unique_ptr<Logo> logo;
};

TEST_F(LogosTest, EachLogoIsStoredAsAFileAddressAndAnnouncedOnce)
{
    QSignalSpy logoChanged(logo.get(), &lea::interface::Logo::changed);
    QSignalSpy footerChanged(footer.get(), &lea::interface::FooterLogo::changed);
    logo->setLogo(QFileInfo(tempPath("logo.png")));
    footer->setFooterLogo(QFileInfo(tempPath("footer.png")));

    const QString logoSource = QStringLiteral("file://") + tempPath("logo.png");
    EXPECT_EQ(storedSource(QStringLiteral("gui/logoSource")), logoSource);
    EXPECT_EQ(storedSource(QStringLiteral("gui/logoQuorraFooterSource")), "file://" + tempPath("footer.png"));
    EXPECT_EQ(logo->logo(), QFileInfo(logoSource));
    EXPECT_EQ(logoChanged.count(), 1);
    EXPECT_EQ(footerChanged.count(), 1);
}

TEST_F(LogosTest, ARefusedSaveKeepsThePreviousLogo)
{
    logo->setLogo(QFileInfo(tempPath("first.png")));
    footer->setFooterLogo(QFileInfo(tempPath("first.png")));
    refuseSetting(QStringLiteral("gui/logoSource"));
    refuseSetting(QStringLiteral("gui/logoQuorraFooterSource"));
    clearLog();
    logo->setLogo(QFileInfo(tempPath("second.png")));
    footer->setFooterLogo(QFileInfo(tempPath("second.png")));

    const QString first = "file://" + tempPath("first.png");
    EXPECT_EQ(customization().logoSource(), first);
    EXPECT_EQ(customization().logoQuorraFooterSource(), first);
    EXPECT_EQ(storedSource(QStringLiteral("gui/logoSource")), first);
    EXPECT_EQ(storedSource(QStringLiteral("gui/logoQuorraFooterSource")), first);
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save the logo")).size(), 2);
}

TEST_F(LogosTest, TheFooterLogoIsServedFromTheImageCache)
{
    EXPECT_EQ(footer->footerLogo().filePath(), QString());
    customization().setImage(QStringLiteral("footer.png"), base64Image(QSize(6, 4)));
    footer->setFooterLogo(QFileInfo(tempPath("footer.png")));
    const QFileInfo file = footer->footerLogo();
    ASSERT_TRUE(file.exists());
    EXPECT_EQ(QImage(file.absoluteFilePath()).size(), QSize(6, 4));
}

TEST_F(LogosTest, TheFooterFlagIsRelayedOncePerChangeAcrossReloads)
{
    QSignalSpy spy(footer.get(), &lea::interface::FooterLogo::changed);
    gCoreEnv->configuration()->generalSettings()->setShowQuorraFooterLogo(true);
    EXPECT_EQ(spy.count(), 1);
    loadConfiguration();
    loadConfiguration();
    gCoreEnv->configuration()->generalSettings()->setShowQuorraFooterLogo(true);
    EXPECT_EQ(spy.count(), 2);
}

} // namespace
