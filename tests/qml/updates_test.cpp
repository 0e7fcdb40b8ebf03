#include "bridge/qml/amicloproperties.h"
#include "bridge/qml/newdigitalproperties.h"
#include "propertytable.h"
#include "support/printers.h"

namespace {

using bridge::qml::AmiCloProperties;
using bridge::qml::NewDigitalProperties;

// Both services list their downloaded updates alike.
template <class Object> class UpdateList : public ::testing::Test
{
protected:
    Fresh<Object> properties;
    QSignalSpy software { &properties, &Object::softwareAvailableChanged };
    QSignalSpy application { &properties, &Object::applicationUpdateAvailableChanged };

    QStringList listed() const { return properties.property("softwareUpdateAvailableList").toStringList(); }
    bool available() const { return properties.property("softwareAvailable").toBool(); }
};

using Objects = ::testing::Types<AmiCloProperties, NewDigitalProperties>;
TYPED_TEST_SUITE(UpdateList, Objects);

TYPED_TEST(UpdateList, AnUpdateReportedTwiceIsListedOnceAndLeavesWithItsLastReport)
{
    auto& p = this->properties;
    p.setUpdateAvailable(p.configGroupName(), true);
    p.setUpdateAvailable(p.configGroupName(), true);
    EXPECT_EQ(this->listed(), QStringList { "Configuration group" });
    EXPECT_TRUE(this->available());
    EXPECT_EQ(this->software.count(), 1);
    p.setUpdateAvailable(p.configGroupName(), false);
    EXPECT_EQ(this->listed(), QStringList());
    EXPECT_FALSE(this->available());
    EXPECT_EQ(this->software.count(), 2);
    p.setUpdateAvailable(p.configGroupName(), false);
    EXPECT_EQ(this->software.count(), 2);
    EXPECT_EQ(this->application.count(), 0);
}

TYPED_TEST(UpdateList, SoftwareStaysAvailableWhileAnotherUpdateIsListed)
{
    auto& p = this->properties;
    p.setUpdateAvailable(p.uiUpdateName(), true);
    p.setUpdateAvailable(p.configGroupName(), true);
    p.setUpdateAvailable(p.completeBackupName(), true);
    EXPECT_EQ(this->listed(), (QStringList { "GUI update", "Configuration group", "Complete backup" }));
    p.setUpdateAvailable(p.configGroupName(), false);
    p.setUpdateAvailable(p.completeBackupName(), false);
    EXPECT_EQ(this->listed(), QStringList { "GUI update" });
    EXPECT_TRUE(this->available());
    EXPECT_EQ(this->software.count(), 1);
}

TYPED_TEST(UpdateList, TheApplicationUpdateAnnouncesComingAndGoing)
{
    auto& p = this->properties;
    p.setUpdateAvailable(p.applicationUpdateName(), true);
    p.setUpdateAvailable(p.applicationUpdateName(), true);
    EXPECT_EQ(this->application.count(), 1);
    p.setUpdateAvailable(p.uiUpdateName(), true);
    p.setUpdateAvailable(p.applicationUpdateName(), false);
    EXPECT_EQ(this->application.count(), 2);
    EXPECT_EQ(this->listed(), QStringList { "GUI update" });
}

TEST(NewDigitalProperties, CloudStatusNumbersReadAsTheirNamesAndOnlyConnectedIsConnected)
{
    const std::tuple<int, const char*, bool> table[]
        = { { 0, "NotConnected", false }, { 1, "Connecting", false }, { 2, "Connected", true },
              { 3, "Reconnecting", false }, { 4, "", false }, { -1, "", false } };
    for (const auto& [status, text, connected] : table) {
        Fresh<NewDigitalProperties> newDigital;
        QSignalSpy changed(&newDigital, &NewDigitalProperties::cloudConnectionStatusChanged);
        newDigital.setCloudConnectionStatus(status);
        newDigital.setCloudConnectionStatus(status);
        EXPECT_EQ(changed.count(), status == 0 ? 0 : 1) << status;
        EXPECT_EQ(newDigital.property("cloudConnectionStatusString").toString(), QString::fromLatin1(text));
        EXPECT_EQ(newDigital.property("isCloudConnected").toBool(), connected) << status;
    }
}

} // namespace
