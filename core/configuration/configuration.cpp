#include "core/configuration/configuration.h"

#include "core/catalogue/product.h"
#include "core/configuration/catalogueindex.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/selection/quickselectionmanager.h"
#include "core/settings/settingsstore.h"

#include <QPointer>

Configuration::Configuration(ConfigurationGroup& group, QObject* parent)
    : QObject(parent)
    , m_group(group)
    , m_loader(new ConfigurationLoader(this))
    , m_generalSettings(new GeneralSettings(*group.settingsStore(), this))
    , m_index(std::make_unique<CatalogueIndex>(*this))
    , m_quickSelection(new quickselection::QuickSelectionManager(this))
{
    m_loader->setDatabase(group.database());
    m_hasSecondCupTurret = group.settingsStore()->value(QStringLiteral("cups/secondTurret"), false).toBool();
    loadCatalogue();
    m_paymentSettings->load(*group.settingsStore());
    loadPumps();
    m_machineSettings->load(*group.settingsStore());
    m_cupDispenserSettings->load(*group.settingsStore());
    m_physicalMachine->load(*group.settingsStore());
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

void Configuration::setEndLineTestEnabled(bool enabled)
{
    if (m_endLineTestEnabled == enabled)
        return;
    m_endLineTestEnabled = enabled;
    emit endLineTestEnabledChanged(enabled);
}

bool Configuration::savePaymentSettings()
{
    if (!m_paymentSettings->save(*m_group.settingsStore()))
        return false;
    updateBandInForce();
    return true;
}

bool Configuration::saveMachineSettings()
{
    return m_machineSettings->save(*m_group.settingsStore());
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
