#pragma once

#include "core/gui/languageselection.h"
#include "nonstd/optional.hpp"

#include <QList>
#include <QLocale>
#include <QObject>

/// The interface languages offered to the customer and the one in use.
class GuiManager : public QObject
{
    Q_OBJECT

public:
    explicit GuiManager(QObject* parent = nullptr);

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

signals:
    void checkCupMessageDisplayed();
    void availableLanguagesChanged();
    void currentLanguageChanged();
    /// The offered, hidden, default or current languages changed.
    void languagesChanged();

private:
    void applyLanguageSelection(const LanguageSelection& selection);

    QList<QLocale::Language> m_languages;
    nonstd::optional<QLocale::Language> m_current;
    QList<QLocale::Language> m_deselected;
    nonstd::optional<QLocale::Language> m_defaultUserUi;
    nonstd::optional<QLocale::Language> m_defaultTechUi;
    bool m_announcesLanguageChanges = true;
};
