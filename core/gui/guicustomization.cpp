#include "core/gui/guicustomization.h"

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
