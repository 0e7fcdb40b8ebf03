#include "core/configuration/configuration.h"

#include "core/catalogue/product.h"
#include "core/configuration/catalogueindex.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/configuration/directselectionsettings.h"
#include "core/configuration/displaydisabledmodes.h"
#include "core/configuration/dstgeneralsettings.h"
#include "core/configuration/feedsettings.h"
#include "core/configuration/newdigitalsettings.h"
#include "core/configuration/playlistsettings.h"
#include "core/configuration/screensaversettings.h"
#include "core/configuration/speakersetup.h"
#include "core/configuration/televendsettings.h"
#include "core/configuration/webviews.h"
#include "core/coreenvironment.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/selection/quickselectionmanager.h"
#include "core/settings/settingsstore.h"

#include <QPointer>

namespace {
const QString kEndLineTestEnabled = QStringLiteral("configuration/endLineTestEnabled");
} // namespace

Configuration::Configuration(ConfigurationGroup& group, QObject* parent)
    : QObject(parent)
    , m_group(group)
    , m_loader(new ConfigurationLoader(this))
    , m_directSelectionSettings(new DirectSelectionSettings(this))
    , m_displayDisabledModes(new DisplayDisabledModes(this))
    , m_speakerSetup(new SpeakerSetup(this))
    , m_generalSettings(new GeneralSettings(*group.settingsStore(), this))
    , m_televendSettings(new TelevendSettings(*group.settingsStore(), this))
    , m_newDigitalSettings(new NewDigitalSettings(*group.settingsStore(), this))
    , m_dstGeneralSettings(new DSTGeneralSettings(*group.settingsStore(), this))
    , m_timeZoneOffset(group.settingsStore()->value(timeZoneOffsetKey(), 0).toInt())
    , m_screenSaverSettings(new ScreenSaverSettings(*this, this))
    , m_index(std::make_unique<CatalogueIndex>(*this))
    , m_quickSelection(new quickselection::QuickSelectionManager(this))
{
    m_loader->setDatabase(group.database());
    m_playlistSettings = new PlaylistSettings(*m_loader, this);
    connect(m_playlistSettings, &PlaylistSettings::playlistsChanged, this, &Configuration::playlistsChanged);
    m_generalSettings->setPlaylists(m_playlistSettings);
    m_feedSettings = new FeedSettings(*group.settingsStore(), this);
    m_webViews = new webview::WebViews(*group.settingsStore(), this);
    const SettingsStore& store = *group.settingsStore();
    m_endLineTestEnabled = store.value(kEndLineTestEnabled, false).toBool();
    m_hasSecondCupTurret = store.value(QStringLiteral("cups/secondTurret"), false).toBool();
    m_turretCapacity[0] = store.value(QStringLiteral("cups/firstTurretCapacity"), 50).toInt();
    m_turretCapacity[1] = store.value(QStringLiteral("cups/secondTurretCapacity"), 0).toInt();
    m_espressoBoilerAvailable
        = store.value(QStringLiteral("boilers/espresso"), m_espressoBoilerAvailable).toBool();
    m_instantBoilerAvailable
        = store.value(QStringLiteral("boilers/instant"), m_instantBoilerAvailable).toBool();
    m_steamBoilerAvailable = store.value(QStringLiteral("boilers/steam"), m_steamBoilerAvailable).toBool();
    m_espressoBoilerForInstantAvailable
        = store.value(QStringLiteral("boilers/espressoForInstant"), m_espressoBoilerForInstantAvailable)
              .toBool();
    loadCatalogue();
    m_paymentSettings->load(store);
    m_energySavingSettings->load(store);
    loadPumps();
    m_machineSettings->load(store);
    m_cupDispenserSettings->load(store);
    m_physicalMachine->load(store);
    m_espressoSettings->load(store);
    m_instantSettings->load(store);
    m_screenSaverSettings->load(store);
    m_storedBoilerParameters = boilerParameters();
    if (MachineClock* clock = gCoreEnv ? gCoreEnv->clock() : nullptr)
        connect(clock, &MachineClock::timeChanged, this, &Configuration::updateBandInForce);
    updateBandInForce();
    // Products are unavailable while a failure that blocks them is active.
    if (Machine* machine = gCoreEnv ? gCoreEnv->machine() : nullptr) {
        const auto follow = [this, machine] {
            QList<int> active;
            for (const Failure* failure : machine->activeFailures())
                active << int(failure->id());
            updateProductFailures(active);
        };
        connect(machine, &Machine::activeFailuresListChanged, this, follow);
        follow();
    }
}

Configuration::~Configuration() = default;

bool Configuration::setEndLineTestEnabled(bool enabled)
{
    if (m_endLineTestEnabled == enabled)
        return true;
    if (!m_group.settingsStore()->setValue(kEndLineTestEnabled, enabled))
        return false;
    m_endLineTestEnabled = enabled;
    emit endLineTestEnabledChanged(enabled);
    return true;
}

bool Configuration::saveNewDigitalSettings()
{
    return m_newDigitalSettings->save();
}

bool Configuration::savePaymentSettings()
{
    if (!m_paymentSettings->save(*m_group.settingsStore()))
        return false;
    updateBandInForce();
    return true;
}

bool Configuration::saveEnergySavingSettings()
{
    if (!m_energySavingSettings->save(*m_group.settingsStore()))
        return false;
    emit energySavingSettingsChanged();
    return true;
}

QJsonObject Configuration::boilerParameters() const
{
    QJsonObject values = m_machineSettings->boilerValues();
    for (const QJsonObject& more : { m_espressoSettings->boostValues(), m_instantSettings->values() }) {
        for (auto it = more.begin(); it != more.end(); ++it)
            values.insert(it.key(), it.value());
    }
    return values;
}

bool Configuration::saveMachineSettings()
{
    QJsonObject values = m_machineSettings->values();
    const QJsonObject boilers = boilerParameters();
    for (const QJsonObject& more : { boilers, m_espressoSettings->values() }) {
        for (auto it = more.begin(); it != more.end(); ++it)
            values.insert(it.key(), it.value());
    }
    if (!m_group.settingsStore()->setValues(values))
        return false;
    if (boilers != m_storedBoilerParameters) {
        m_storedBoilerParameters = boilers;
        emit boilerParametersSettingsChanged();
    }
    return true;
}

bool Configuration::saveGeneralSettings()
{
    return m_screenSaverSettings->save(*m_group.settingsStore(), m_generalSettings->playlistValues());
}

bool Configuration::saveCupDispenserSettings()
{
    return m_cupDispenserSettings->save(*m_group.settingsStore());
}

bool Configuration::savePhysicalMachine()
{
    return m_physicalMachine->save(*m_group.settingsStore());
}

void Configuration::updateBandInForce()
{
    const MachineClock* clock = gCoreEnv ? gCoreEnv->clock() : nullptr;
    const int band = clock ? m_paymentSettings->bandAt(clock->now()) : 0;
    m_bandInForce = band;
    // A slot on a product's price signal may replace this configuration.
    const QPointer<Configuration> self(this);
    const QList<Product*> products = m_products;
    for (Product* product : products) {
        if (!self)
            return;
        product->setBandInForce(band);
    }
}
