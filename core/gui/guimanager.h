#pragma once

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

    /// Asks the customer to check the cup before choosing again.
    void displayCheckCupMessage() { emit checkCupMessageDisplayed(); }

signals:
    void checkCupMessageDisplayed();
    /// The machine started or finished activating a beverage configuration.
    void taskRunnerActivated(bool active);
    void availableLanguagesChanged();
    void currentLanguageChanged();

private:
    QList<QLocale::Language> m_languages;
    nonstd::optional<QLocale::Language> m_current;
};
