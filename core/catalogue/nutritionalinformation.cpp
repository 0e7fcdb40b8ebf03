#include "core/catalogue/nutritionalinformation.h"

#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/gui/guienvironment.h"
#include "core/gui/guimanager.h"

NutritionalInformation::NutritionalInformation(
    const QString& name, const QVariant& value, const QString& unit, int id)
    : m_id(id)
    , m_name(name)
    , m_value(value)
    , m_unit(unit)
{
}

QString NutritionalInformation::translatedName() const
{
    const ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    const GuiManager* gui = gGuiEnv ? gGuiEnv->guiManager() : nullptr;
    if (!group || !gui || !gui->currentLanguage())
        return m_name;
    const TypedString* string
        = group->translationsManager()->typedString(TypedString::NutritionalName, m_name);
    const QString text = string ? string->getTranslation(*gui->currentLanguage()) : QString();
    return text.isEmpty() ? m_name : text;
}
