#include "core/configuration/configuration.h"

#include "core/configuration/catalogueindex.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/coreenvironment.h"
#include "core/machine/failure.h"
#include "core/machine/machine.h"
#include "core/selection/quickselectionmanager.h"
#include "core/settings/settingsstore.h"

Configuration::Configuration(ConfigurationGroup& group, QObject* parent)
    : QObject(parent)
    , m_group(group)
    , m_loader(new ConfigurationLoader(this))
    , m_index(std::make_unique<CatalogueIndex>(*this))
    , m_quickSelection(new quickselection::QuickSelectionManager(this))
{
    m_loader->setDatabase(group.database());
    m_hasSecondCupTurret = group.settingsStore()->value(QStringLiteral("cups/secondTurret"), false).toBool();
    loadCatalogue();
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
