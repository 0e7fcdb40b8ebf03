#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <vector>

namespace lea {
namespace staticsettings {

/// Accessor of machine characteristics and versions.
class Characteristics : public QObject
{
    Q_OBJECT

public:
    /// The machine models the interface knows.
    enum Model : int32_t {
        TableTopInstant = 0,
        TableTopEspresso = 1,
        TableTopFreshBrew = 2,
        TableTopDuo = 3,
        FloorStandingInstant = 4,
        FloorStandingEspresso = 5,
        CompactInstant = 6,
        CompactEspresso = 7,
        FloorStandingFreshBrew = 8,
        FloorStandingDuo = 9,
        Quorra = 10,
    };

    /// How the customer selects the products of a slave machine.
    enum SlaveSelection : int32_t {
        SelectionOnMaster = 0,
        SelectionOnSlave = 1,
        SelectionOnBoth = 2,
        SelectionDisabled = 3,
    };

    /// A version "major.minor.patch", with a build number where there is one.
    struct Version
    {
        uint16_t majorVersion = 0;
        uint16_t minorVersion = 0;
        uint16_t patchVersion = 0;
        nonstd::optional<uint16_t> buildVersion;
    };

    /// The machine model and the versions of the software it runs.
    struct Software
    {
        Model model = TableTopInstant;
        /// The version of the interface layer this machine implements.
        Version interfaceVersion;
        /// The version of the library that implements it.
        Version libraryVersion;
        QString buildType;
        bool isQuorra = false;
    };

    /// The screen the interface shows on; all zero on a machine without one.
    struct Screen
    {
        int width = 0;
        int height = 0;
        bool isPortrait = false;
        double refreshRate = 0;
    };

    /// The version and revision of the machine's actuator board.
    struct ActuatorBoard
    {
        int version = 0;
        int revision = 0;
    };

    /// What the user interface of this machine offers.
    struct Capabilities
    {
        bool hasPlaylistsCapabilities = false;
        bool hasScreensaverCapabilities = false;
        bool hasNewsFeedCapabilities = false;
        bool hasWebViewsCapabilities = false;
        bool hasPromotionsCapabilities = false;
        bool hasUpsellingCapabilities = false;
        bool hasNutritionalInformationCapabilities = false;
        bool hasAllergensCapabilities = false;
        bool hasCoffeeToGoCapabilities = false;
        bool hasSnacksCapabilities = false;
        bool hasCustomizationsCapabilities = false;
        bool hasCategoriesCapabilities = false;
        bool hasQrCodesCapabilities = false;
        bool hasLoyaltyCapabilities = false;
        bool hasRemoteSelectionCapabilities = false;
        bool hasEnergySavingCapabilities = false;
        bool hasRollingTextsCapabilities = false;
        bool hasDeletePlaylistsRemotelyCapabilities = false;
    };

    /// What the configuration allows to be done from afar.
    struct RemoteControls
    {
        bool remoteSelectionEnabled = false;
        bool remoteCleaningEnabled = false;
        bool remoteRebootEnabled = false;
    };

    /// What identifies the machine, and the configuration it runs.
    struct Machine
    {
        QString serialNumber;
        QString machineCode;
        QString assetNumber;
        QString configurationName;
        QDateTime installationDate;
    };

    /// The identity of the configuration group the machine runs on.
    struct ConfigurationGroupSettings
    {
        QString name;
        QString version;
        QString customer;
        QString author;
        QString creationDate;
    };

    /// The loaded configuration's code and version, and its slave machines.
    struct ConfigurationSettings
    {
        QString code;
        QString version;
        bool slaveMachinesEnabled = false;
        /// One entry per slave machine present, in port order.
        std::vector<SlaveSelection> slaveSelections;
    };

    ~Characteristics() override = default;

    virtual Screen screen() const = 0;
    virtual Software software() const = 0;
    virtual Machine machine() const = 0;
    virtual Capabilities capabilities() const = 0;
    virtual ActuatorBoard actuatorBoard() const = 0;
    virtual ConfigurationGroupSettings configurationGroupSettings() const = 0;
    virtual RemoteControls remoteControls() const = 0;
    virtual bool isPlatformDesktop() const = 0;
    virtual QString guiCustomizationFileName() const = 0;
    virtual ConfigurationSettings configurationSettings() const = 0;

protected:
    explicit Characteristics(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
