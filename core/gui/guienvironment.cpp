#include "core/gui/guienvironment.h"

#include "core/gui/guimanager.h"

GuiEnvironment* gGuiEnv = nullptr;

GuiEnvironment::GuiEnvironment(QObject* parent)
    : QObject(parent)
    , m_guiManager(new GuiManager(this))
{
}

GuiEnvironment::~GuiEnvironment() = default;
