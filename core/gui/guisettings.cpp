#include "core/gui/guisettings.h"

#include <QGuiApplication>

GuiSettings::GuiSettings(QObject* parent)
    : QObject(parent)
    , m_mainScreen(qobject_cast<QGuiApplication*>(QCoreApplication::instance())
              ? QGuiApplication::primaryScreen()
              : nullptr)
{
}

void GuiSettings::setCapability(Capability capability, bool offered)
{
    if (offered)
        m_capabilities.insert(capability);
    else
        m_capabilities.remove(capability);
}
