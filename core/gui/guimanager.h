#pragma once

#include "core/gui/languageselection.h"
#include "nonstd/optional.hpp"

class GuiModule;
class ScreenSaverModule;
class UserActivityMonitoring;

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>

/// The screen layer: the interface languages offered and the one in use, its
/// own modules, messages, the customer's activity and the selection mode.
class GuiManager : public QObject
{
    Q_OBJECT

public:
    /// How drinks are selected; the machine's own numbering.
    enum SelectionMode : int {
        SelectionMode0 = 0,
        SelectionMode1 = 1,
    };
    Q_ENUM(SelectionMode)

    explicit GuiManager(QObject* parent = nullptr);
    ~GuiManager() override;

    QList<QLocale::Language> availableLanguages() const { return m_languages; }
    void setAvailableLanguages(const QList<QLocale::Language>& languages);

    nonstd::optional<QLocale::Language> currentLanguage() const { return m_current; }
    void setCurrentLanguage(nonstd::optional<QLocale::Language> language);

    /// The offered languages hidden from the customer, in the offered order.
    QList<QLocale::Language> deselectedLanguages() const;
    nonstd::optional<QLocale::Language> defaultLanguageUserUi() const { return m_defaultUserUi; }
    nonstd::optional<QLocale::Language> defaultLanguageTechUi() const { return m_defaultTechUi; }
    LanguageSelection languageSelection() const;
    /// Stores the selection and applies it, announced by one languagesChanged();
    /// false, with nothing changed, when the store refuses it.
    bool setLanguageSelection(const LanguageSelection& selection);
    /// Language changes are announced to the interface now; off while the
    /// interface itself is being rebuilt.
    bool announcesLanguageChanges() const { return m_announcesLanguageChanges; }
    void setAnnouncesLanguageChanges(bool announces) { m_announcesLanguageChanges = announces; }
    /// Reads the stored selection of the active group; stored languages that
    /// are not valid languages are left out.
    void loadLanguages();

    /// Asks the customer to check the cup before choosing again.
    void displayCheckCupMessage() { emit checkCupMessageDisplayed(); }

    GuiModule* technicalMenuModule() const { return m_technicalMenu; }
    GuiModule* initLoadingModule() const { return m_initLoading; }
    ScreenSaverModule* screenSaverModule() const { return m_screenSaver; }
    UserActivityMonitoring* userActivityMonitoring() const { return m_activity; }

    QString showMessageText() const { return m_messageText; }
    void setShowMessageText(const QString& text) { m_messageText = text; }
    bool isShowMessage() const { return m_showMessage; }
    void setShowMessage(bool show);

    SelectionMode selectionMode() const { return m_selectionMode; }
    void setSelectionMode(SelectionMode mode);

    /// Whether the application may be stopped from the interface.
    bool canStopApplication() const { return m_canStop; }
    void setCanStopApplication(bool can) { m_canStop = can; }
    /// Stops the application; simulated, the process goes on.
    void stopApplication();
    bool isApplicationStopped() const { return m_stopped; }

    /// Nobody touched the screen for the screen saver's time (simulator hook).
    void detectInactivity() { emit screenSaverInactivityDetected(); }

signals:
    void checkCupMessageDisplayed();
    void showMessageChanged();
    void selectionModeChanged();
    void screenSaverInactivityDetected();
    void applicationStopRequested();
    /// The machine started or finished activating a beverage configuration.
    void taskRunnerActivated(bool active);
    void availableLanguagesChanged();
    void currentLanguageChanged();
    /// The offered, hidden, default or current languages changed.
    void languagesChanged();

private:
    void applyLanguageSelection(const LanguageSelection& selection);

    QList<QLocale::Language> m_languages;
    nonstd::optional<QLocale::Language> m_current;
    GuiModule* m_technicalMenu;
    GuiModule* m_initLoading;
    ScreenSaverModule* m_screenSaver;
    UserActivityMonitoring* m_activity;
    QString m_messageText;
    bool m_showMessage = false;
    SelectionMode m_selectionMode = SelectionMode0;
    bool m_canStop = false;
    bool m_stopped = false;
    QList<QLocale::Language> m_deselected;
    nonstd::optional<QLocale::Language> m_defaultUserUi;
    nonstd::optional<QLocale::Language> m_defaultTechUi;
    bool m_announcesLanguageChanges = true;
};
