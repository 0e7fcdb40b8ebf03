#include "core/gui/guienvironment.h"

#include "core/gui/guicustomization.h"
#include "core/gui/guimanager.h"
#include "core/gui/guisettings.h"
#include "core/gui/maintenance.h"

GuiEnvironment* gGuiEnv = nullptr;

GuiEnvironment::GuiEnvironment(QObject* parent)
    : QObject(parent)
    , m_guiManager(new GuiManager(this))
    , m_guiCustomization(new GuiCustomization(this))
    , m_maintenance(new Maintenance(this))
    , m_guiSettings(new GuiSettings(this))
{
}

GuiEnvironment::~GuiEnvironment() = default;
