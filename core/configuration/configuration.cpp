#include "core/configuration/configuration.h"

Configuration::Configuration(ConfigurationGroup& group, QObject* parent)
    : QObject(parent)
    , m_group(group)
{
}

Configuration::~Configuration() = default;

void Configuration::setEndLineTestEnabled(bool enabled)
{
    if (m_endLineTestEnabled == enabled)
        return;
    m_endLineTestEnabled = enabled;
    emit endLineTestEnabledChanged(enabled);
}
