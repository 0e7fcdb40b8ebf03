#pragma once

#include <QObject>
#include <QScreen>
#include <QSet>

/// What the user interface of this machine offers, and the screen it shows on.
class GuiSettings : public QObject
{
    Q_OBJECT

public:
    enum Capability : int {
        Playlists,
        Screensaver,
        NewsFeed,
        WebViews,
        Promotions,
        Upselling,
        NutritionalInformation,
        Allergens,
        CoffeeToGo,
        Snacks,
        Customizations,
        Categories,
        QrCodes,
        Loyalty,
        RemoteSelection,
        EnergySaving,
        RollingTexts,
        DeletePlaylistsRemotely,
    };
    Q_ENUM(Capability)

    explicit GuiSettings(QObject* parent = nullptr);

    bool hasCapability(Capability capability) const { return m_capabilities.contains(capability); }
    void setCapability(Capability capability, bool offered);
    bool hasDeletePlaylistsRemotelyCapabilities() const { return hasCapability(DeletePlaylistsRemotely); }

    /// The screen the interface shows on; null on a machine without one.
    QScreen* mainScreen() const { return m_mainScreen; }
    void setMainScreen(QScreen* screen) { m_mainScreen = screen; }

private:
    QSet<Capability> m_capabilities;
    QScreen* m_mainScreen;
};
