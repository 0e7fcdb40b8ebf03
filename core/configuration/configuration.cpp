#include "core/configuration/configuration.h"

#include "core/configuration/catalogueindex.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationloader.h"
#include "core/settings/settingsstore.h"

Configuration::Configuration(ConfigurationGroup& group, QObject* parent)
    : QObject(parent)
    , m_group(group)
    , m_loader(new ConfigurationLoader(this))
    , m_index(std::make_unique<CatalogueIndex>(*this))
{
    m_loader->setDatabase(group.database());
    m_hasSecondCupTurret = group.settingsStore()->value(QStringLiteral("cups/secondTurret"), false).toBool();
    loadCatalogue();
}

Configuration::~Configuration() = default;

void Configuration::setEndLineTestEnabled(bool enabled)
{
    if (m_endLineTestEnabled == enabled)
        return;
    m_endLineTestEnabled = enabled;
    emit endLineTestEnabledChanged(enabled);
}
