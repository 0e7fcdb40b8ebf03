#pragma once

#include "lea/staticsettings/languages.h"

namespace bridge {
namespace staticsettings {

/// The interface languages of the GUI manager (offered, hidden, defaults and
/// the one in use) and the translations of the catalogue's texts.
/// languageChanged() follows each change the GUI manager announces.
class Languages : public lea::staticsettings::Languages
{
    Q_OBJECT

public:
    explicit Languages(QObject* parent);
    ~Languages() override;

    Settings settings() const override;
    /// Hides the offered languages the record lists and shows the others, and
    /// sets each language field that is not 0, all stored at once. A language
    /// field the machine does not offer, or a refused save, is logged and
    /// changes nothing.
    bool setSettings(const Settings& settings) override;
    /// Throws std::invalid_argument for a type without a core counterpart.
    std::vector<lea::Translation> getStringTranslations(
        QString originalString, std::vector<QLocale::Language> languages, StringType type) const override;
};

} // namespace staticsettings
} // namespace bridge
