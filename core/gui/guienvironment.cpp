#include "core/gui/guienvironment.h"

#include "core/gui/guicustomization.h"
#include "core/gui/guimanager.h"
#include "core/gui/guisettings.h"
#include "core/gui/maintenance.h"
#include "core/gui/newsfeeds.h"

GuiEnvironment* gGuiEnv = nullptr;

GuiEnvironment::GuiEnvironment(QObject* parent)
    : QObject(parent)
    , m_guiManager(new GuiManager(this))
    , m_guiCustomization(new GuiCustomization(this))
    , m_maintenance(new Maintenance(this))
    , m_guiSettings(new GuiSettings(this))
{
    setNewsFeedsFitted(true);
}

GuiEnvironment::~GuiEnvironment() = default;

void GuiEnvironment::setNewsFeedsFitted(bool fitted)
{
    if (fitted == (m_newsFeeds != nullptr))
        return;
    if (fitted) {
        m_newsFeeds = new NewsFeeds(this);
    } else {
        delete m_newsFeeds;
        m_newsFeeds = nullptr;
    }
}
