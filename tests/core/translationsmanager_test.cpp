#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "support/machinetest.h"

#include <gmock/gmock.h>
#include <QSqlQuery>

namespace {

class Translations : public MachineTest
{
protected:
    TranslationsManager& manager() const
    {
        return *machine().core().configurationGroup()->translationsManager();
    }

    static QStringList originals(const QList<TypedString*>& strings)
    {
        QStringList names;
        for (const TypedString* string : strings)
            names << string->originalString();
        return names;
    }
};

} // namespace

TEST_F(Translations, SavedStringsComeBackInTheirOrderAfterAReload)
{
    manager().addTranslation(QStringLiteral("Zebra latte"), TypedString::RecipeName, QLocale::German,
        QStringLiteral("Zebra-Latte"));
    manager().addTranslation(QStringLiteral("Americano"), TypedString::RecipeName, QLocale::French,
        QStringLiteral("Café allongé"));
    ASSERT_TRUE(manager().save());
    manager().addTranslation(
        QStringLiteral("Unsaved"), TypedString::RecipeName, QLocale::German, QStringLiteral("x"));

    manager().reload();
    const QList<TypedString*> recipes = manager().typedStringsFromType(TypedString::RecipeName);
    EXPECT_EQ(originals(recipes),
        (QStringList { QStringLiteral("Espresso"), QStringLiteral("Hot chocolate"),
            QStringLiteral("Zebra latte"), QStringLiteral("Americano") }));
    EXPECT_EQ(recipes[0]->getTranslation(QLocale::Italian), QStringLiteral("Caffè espresso"));
    EXPECT_EQ(recipes[3]->getTranslation(QLocale::French), QStringLiteral("Café allongé"));
    EXPECT_EQ(originals(manager().typedStringsFromType(TypedString::CategoryTitle)),
        QStringList { QStringLiteral("Hot drinks") });
}

TEST_F(Translations, EmptyTranslationIsKeptAsEmpty)
{
    manager().reload();
    const QList<TypedString*> recipes = manager().typedStringsFromType(TypedString::RecipeName);
    ASSERT_EQ(recipes.size(), 2);
    const auto translations = recipes[1]->translations();
    ASSERT_TRUE(translations.contains(QLocale::French));
    EXPECT_TRUE(translations.value(QLocale::French).isEmpty());
}

TEST_F(Translations, SameTextOfAnotherTypeIsAnotherString)
{
    manager().addTranslation(QStringLiteral("Espresso"), TypedString::BeverageName, QLocale::German,
        QStringLiteral("Espresso (Getränk)"));
    ASSERT_TRUE(manager().save());
    manager().reload();
    const QList<TypedString*> beverages = manager().typedStringsFromType(TypedString::BeverageName);
    ASSERT_EQ(beverages.size(), 1);
    EXPECT_EQ(beverages[0]->getTranslation(QLocale::German), QStringLiteral("Espresso (Getränk)"));
    EXPECT_EQ(manager().typedStringsFromType(TypedString::RecipeName)[0]->getTranslation(QLocale::German),
        QStringLiteral("Espresso"));
}

TEST_F(Translations, RemovedTranslationsStayRemovedAfterSave)
{
    manager().removeTranslations(QStringLiteral("Espresso"), TypedString::RecipeName);
    ASSERT_TRUE(manager().save());
    manager().reload();
    const QList<TypedString*> recipes = manager().typedStringsFromType(TypedString::RecipeName);
    ASSERT_EQ(recipes.size(), 2);
    EXPECT_TRUE(recipes[0]->translations().isEmpty());
}

TEST_F(Translations, FailedSaveKeepsWhatWasStored)
{
    // A trigger refuses the write half-way, after the old rows were deleted.
    QSqlQuery trigger(machine().core().configurationGroup()->database()->database());
    ASSERT_TRUE(
        trigger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON TypedString_Translations "
                                    "WHEN NEW.text = 'refused' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    manager().addTranslation(
        QStringLiteral("Americano"), TypedString::RecipeName, QLocale::German, QStringLiteral("refused"));
    EXPECT_FALSE(manager().save());
    manager().reload();
    EXPECT_EQ(originals(manager().typedStringsFromType(TypedString::RecipeName)),
        (QStringList { QStringLiteral("Espresso"), QStringLiteral("Hot chocolate") }));
    EXPECT_FALSE(logEntriesContaining(QStringLiteral("Failed saving translations")).isEmpty());
}
