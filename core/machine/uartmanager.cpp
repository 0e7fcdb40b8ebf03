#include "core/machine/uartmanager.h"

UARTManager::UARTManager(QObject* parent)
    : QObject(parent)
{
}

UARTManager::~UARTManager() = default;

void UARTManager::setActiveFeature(UARTSupportedFeature feature)
{
    if (feature == m_activeFeature)
        return;
    m_activeFeature = feature;
    emit activeFeatureChanged();
}
