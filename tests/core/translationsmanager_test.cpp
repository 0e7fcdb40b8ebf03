#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "support/machinetest.h"

namespace {

using Texts = QMap<QLocale::Language, QString>;

class Translations : public MachineTest
{
protected:
    TranslationsManager& manager() const
    {
        return *machine().core().configurationGroup()->translationsManager();
    }

    /// The translations of one text as the manager reads them from the database.
    Texts stored(const QString& original, TypedString::StringType type) const
    {
        manager().reload();
        for (const TypedString* string : manager().typedStringsFromType(type)) {
            if (string->originalString() == original)
                return string->translations();
        }
        return {};
    }
};

} // namespace

// The bridge replaces the translations of one text of one type.
TEST_F(Translations, SameTextOfAnotherTypeIsAnotherString)
{
    const Texts recipe = stored(QStringLiteral("Espresso"), TypedString::RecipeName);
    ASSERT_FALSE(recipe.isEmpty());
    manager().addTranslation(QStringLiteral("Espresso"), TypedString::BeverageName, QLocale::German,
        QStringLiteral("Espresso (Getränk)"));
    ASSERT_TRUE(manager().save());
    EXPECT_EQ(stored(QStringLiteral("Espresso"), TypedString::BeverageName).value(QLocale::German),
        QStringLiteral("Espresso (Getränk)"));

    manager().removeTranslations(QStringLiteral("Espresso"), TypedString::BeverageName);
    ASSERT_TRUE(manager().save());
    EXPECT_TRUE(stored(QStringLiteral("Espresso"), TypedString::BeverageName).isEmpty());
    EXPECT_EQ(stored(QStringLiteral("Espresso"), TypedString::RecipeName), recipe);
}

TEST_F(Translations, FailedSaveKeepsWhatWasStored)
{
    const Texts espresso = stored(QStringLiteral("Espresso"), TypedString::RecipeName);
    // A trigger refuses the write half-way, after the old rows were deleted.
    refuseWrites(QStringLiteral("BEFORE INSERT ON TypedString_Translations WHEN NEW.text = 'refused'"));
    manager().addTranslation(
        QStringLiteral("Americano"), TypedString::RecipeName, QLocale::German, QStringLiteral("refused"));
    EXPECT_FALSE(manager().save());
    EXPECT_FALSE(logEntriesContaining(QStringLiteral("Failed saving translations")).isEmpty());
    EXPECT_TRUE(stored(QStringLiteral("Americano"), TypedString::RecipeName).isEmpty());
    EXPECT_EQ(stored(QStringLiteral("Espresso"), TypedString::RecipeName), espresso);
}
