#pragma once

#include <QObject>

class GuiCustomization;
class GuiManager;
class GuiSettings;
class Maintenance;
class NewsFeeds;

/// The core's user-interface side.
class GuiEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit GuiEnvironment(QObject* parent = nullptr);
    ~GuiEnvironment() override;

    GuiManager* guiManager() const { return m_guiManager; }
    GuiCustomization* guiCustomization() const { return m_guiCustomization; }
    GuiSettings* guiSettings() const { return m_guiSettings; }
    /// The maintenance settings; read from the active group's store by Maintenance::load().
    Maintenance* maintenance() const { return m_maintenance; }
    /// The news band's editor; null on a machine without one.
    NewsFeeds* newsFeeds() const { return m_newsFeeds; }
    void setNewsFeedsFitted(bool fitted);

private:
    GuiManager* m_guiManager;
    GuiCustomization* m_guiCustomization;
    Maintenance* m_maintenance;
    GuiSettings* m_guiSettings;
    NewsFeeds* m_newsFeeds = nullptr;
};

extern GuiEnvironment* gGuiEnv;
