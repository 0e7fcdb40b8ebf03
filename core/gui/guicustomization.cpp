#include "core/gui/guicustomization.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {
const QString kLogoSource = QStringLiteral("gui/logoSource");
const QString kFooterSource = QStringLiteral("gui/logoQuorraFooterSource");

SettingsStore* activeStore()
{
    const ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    return group ? group->settingsStore() : nullptr;
}
} // namespace

GuiCustomization::GuiCustomization(QObject* parent)
    : QObject(parent)
{
}

QByteArray GuiCustomization::getImage(const QString& name) const
{
    return m_images.value(name);
}

void GuiCustomization::setImage(const QString& name, const QByteArray& base64)
{
    if (base64.isEmpty())
        m_images.remove(name);
    else
        m_images.insert(name, base64);
}

void GuiCustomization::setLogoSource(const QString& source)
{
    if (source == m_logoSource)
        return;
    m_logoSource = source;
    emit logoSourceChanged();
}

void GuiCustomization::setLogoQuorraFooterSource(const QString& source)
{
    if (source == m_footerSource)
        return;
    m_footerSource = source;
    emit logoQuorraFooterSourceChanged();
}

bool GuiCustomization::save() const
{
    SettingsStore* store = activeStore();
    return store
        && store->setValues(QJsonObject { { kLogoSource, m_logoSource }, { kFooterSource, m_footerSource } });
}

void GuiCustomization::load()
{
    const SettingsStore* store = activeStore();
    setLogoSource(store ? store->value(kLogoSource).toString() : QString());
    setLogoQuorraFooterSource(store ? store->value(kFooterSource).toString() : QString());
}
