#include "bridge/utils.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/translationsmanager.h"
#include "core/gui/guimanager.h"
#include "lea/ids.h"
#include "support/machinetest.h"
#include "support/translations.h"

#include <gmock/gmock.h>
#include <memory>
#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTextCodec>
#include <QTranslator>

namespace {

using ::testing::ElementsAre;

class Utils : public MachineTest
{
};

// Stands for an interface-layer accessor whose slot lives in the base class.
class ReceiverBase : public QObject
{
public:
    bool onEnabled(bool enabled)
    {
        values.push_back(enabled);
        ++*calls;
        return enabled;
    }
    std::vector<bool> values;
    std::shared_ptr<int> calls = std::make_shared<int>(0); // outlives the receiver
};
class Receiver : public ReceiverBase
{
};

TEST_F(Utils, ConnectionFollowsEveryConfiguration)
{
    Receiver receiver;
    bridge::utils::connectToConfiguration(
        &Configuration::endLineTestEnabledChanged, &receiver, &ReceiverBase::onEnabled);
    Configuration* first = loadConfiguration();
    first->setEndLineTestEnabled(true);
    EXPECT_THAT(receiver.values, ElementsAre(true));

    for (int i = 0; i < 3; ++i) {
        QPointer<Configuration> previous = gCoreEnv->configuration();
        Configuration* next = loadConfiguration();
        EXPECT_TRUE(previous.isNull());
        next->setEndLineTestEnabled(i % 2 == 0);
        next->setEndLineTestEnabled(i % 2 != 0);
    }
    // Each configuration starts with the stored flag, so setting it again is no change.
    EXPECT_THAT(receiver.values, ElementsAre(true, false, true, false));
}

TEST_F(Utils, ConnectionMadeWhileLoadedDeliversOnceAcrossRepeatedAnnouncements)
{
    Configuration* loaded = loadConfiguration();
    Receiver receiver;
    bridge::utils::connectToConfiguration(
        &Configuration::endLineTestEnabledChanged, &receiver, &ReceiverBase::onEnabled);
    // The core announcing the same configuration again must not double the link.
    emit gCoreEnv->configurationChanged(loaded);
    emit gCoreEnv->configurationChanged(loaded);
    loaded->setEndLineTestEnabled(true);
    EXPECT_THAT(receiver.values, ElementsAre(true));

    // A receiver that is gone is no longer called.
    auto gone = std::make_unique<Receiver>();
    const std::shared_ptr<int> goneCalls = gone->calls;
    bridge::utils::connectToConfiguration(
        &Configuration::endLineTestEnabledChanged, gone.get(), &ReceiverBase::onEnabled);
    gone.reset();
    loaded->setEndLineTestEnabled(false);
    unloadConfiguration();
    loadConfiguration()->setEndLineTestEnabled(true);
    EXPECT_THAT(receiver.values, ElementsAre(true, false, true));
    EXPECT_EQ(*goneCalls, 0);
}

TEST_F(Utils, CoreTranslationsMatchTypeAndExactOriginal)
{
    const auto map
        = bridge::utils::coreTranslationsForTypeAndOriginalString(TypedString::RecipeName, "Espresso");
    EXPECT_EQ(map.size(), 3);
    EXPECT_EQ(map.value(QLocale::Italian), QStringLiteral("Caffè espresso"));
    EXPECT_TRUE(bridge::utils::coreTranslationsForTypeAndOriginalString(TypedString::RecipeName, "espresso")
                    .isEmpty());
    EXPECT_TRUE(
        bridge::utils::coreTranslationsForTypeAndOriginalString(TypedString::CategoryTitle, "Espresso")
            .isEmpty());
    EXPECT_EQ(texts(bridge::utils::coreTranslationsToLeaTranslations(map)),
        (Texts { { QLocale::English, "Espresso" }, { QLocale::German, "Espresso" },
            { QLocale::Italian, "Caffè espresso" } }));
}

TEST_F(Utils, TranslationsKeepOnlyOfferedLanguagesInLanguageOrder)
{
    EXPECT_TRUE(bridge::utils::translations("Espresso", TypedString::RecipeName).empty());
    loadConfiguration();
    EXPECT_EQ(texts(bridge::utils::translations("Espresso", TypedString::RecipeName)),
        (Texts { { QLocale::English, "Espresso" }, { QLocale::German, "Espresso" } }));
    EXPECT_EQ(texts(bridge::utils::translations("Hot chocolate", TypedString::RecipeName)),
        (Texts { { QLocale::English, "Hot chocolate" }, { QLocale::French, "" },
            { QLocale::German, "Heiße Schokolade" } }));
    EXPECT_TRUE(bridge::utils::translations("Tea", TypedString::RecipeName).empty());
}

TEST_F(Utils, StringTranslationsAnswerEveryRequestedLanguage)
{
    loadConfiguration();
    const auto result = bridge::utils::getStringTranslations("Hot chocolate",
        { QLocale::German, QLocale::Italian, QLocale::French, QLocale::English, QLocale::German },
        TypedString::RecipeName);
    EXPECT_EQ(texts(result),
        (Texts { { QLocale::German, "Heiße Schokolade" }, { QLocale::Italian, "Hot chocolate" },
            { QLocale::French, "Hot chocolate" }, { QLocale::English, "Hot chocolate" },
            { QLocale::German, "Heiße Schokolade" } }));
    EXPECT_EQ(
        texts(bridge::utils::getStringTranslations("Tea", { QLocale::English }, TypedString::RecipeName)),
        (Texts { { QLocale::English, "Tea" } }));
}

// Answers only the UTF-8 bytes of one context and source text, as a translator loaded from a .qm file does.
class Utf8Translator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context) == QStringLiteral("Café").toUtf8()
            && QByteArray(source) == QStringLiteral("Crème brûlée").toUtf8())
            return QStringLiteral("Crème brûlée (de)");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// Sets the locale's encoding while it lives.
class LocaleCodec
{
public:
    explicit LocaleCodec(const char* name) { QTextCodec::setCodecForLocale(QTextCodec::codecForName(name)); }
    ~LocaleCodec() { QTextCodec::setCodecForLocale(m_previous); }

private:
    QTextCodec* const m_previous = QTextCodec::codecForLocale();
};

TEST_F(Utils, QmTranslationsOfUtf8TextsInTheCurrentLanguageWhateverTheLocaleEncoding)
{
    const LocaleCodec latin1("ISO-8859-1");
    Utf8Translator translator;
    QCoreApplication::installTranslator(&translator);
    machine().guiManager().setCurrentLanguage(nonstd::nullopt);
    EXPECT_TRUE(
        bridge::utils::translationsFromQm(QStringLiteral("Café"), QStringLiteral("Crème brûlée")).empty());
    machine().guiManager().setCurrentLanguage(QLocale::German);
    EXPECT_EQ(
        texts(bridge::utils::translationsFromQm(QStringLiteral("Café"), QStringLiteral("Crème brûlée"))),
        (Texts { { QLocale::German, "Crème brûlée (de)" } }));
    // Without a translation the source text comes back whole.
    EXPECT_EQ(
        texts(bridge::utils::translationsFromQm(QStringLiteral("Café"), QStringLiteral("Île flottante"))),
        (Texts { { QLocale::German, "Île flottante" } }));
    QCoreApplication::removeTranslator(&translator);
}

TEST(CompareLeaTranslations, ComparesLanguagesAndTextsInAnyOrder)
{
    const std::vector<lea::Translation> base { translation(QLocale::English, "Tea"),
        translation(QLocale::German, "Tee") };
    const struct
    {
        std::vector<lea::Translation> other;
        bool equal;
    } cases[] = {
        { { translation(QLocale::English, "Tea"), translation(QLocale::German, "Tee") }, true },
        { { translation(QLocale::German, "Tee"), translation(QLocale::English, "Tea") }, true },
        { { translation(QLocale::German, "Tee", 5), translation(QLocale::English, "Tea", 7) }, true },
        { { translation(QLocale::German, "Tee!"), translation(QLocale::English, "Tea") }, false },
        { { translation(QLocale::French, "Tee"), translation(QLocale::English, "Tea") }, false },
        { { translation(QLocale::English, "Tea") }, false },
        { {}, false },
    };
    for (const auto& c : cases)
        EXPECT_EQ(bridge::utils::compareLeaTranslations(base, c.other), c.equal);
    EXPECT_TRUE(bridge::utils::compareLeaTranslations({}, {}));
}

TEST_F(Utils, UpdateTranslationsWritesOnlyWhenSomethingChangedAndCreatesAMissingString)
{
    const quint32 before = databaseChangeCounter();
    bridge::utils::updateTranslations("Espresso", TypedString::RecipeName,
        { translation(QLocale::Italian, "Caffè espresso"), translation(QLocale::English, "Espresso"),
            translation(QLocale::German, "Espresso") });
    EXPECT_EQ(databaseChangeCounter(), before);

    bridge::utils::updateTranslations("Espresso", TypedString::RecipeName,
        { translation(QLocale::English, "Espresso"), translation(QLocale::German, "Kaffee") });
    EXPECT_EQ(databaseChangeCounter(), before + 1);

    // A text without any translation yet gets a new string.
    bridge::utils::updateTranslations(
        "Tea", TypedString::RecipeName, { translation(QLocale::French, "Thé") });

    // What a fresh reader of the database sees.
    TranslationsManager stored(*machine().core().configurationGroup()->database());
    const auto strings = stored.typedStringsFromType(TypedString::RecipeName);
    ASSERT_EQ(strings.size(), 3);
    EXPECT_EQ(strings[0]->originalString(), "Espresso");
    EXPECT_EQ(strings[0]->translations(),
        (QMap<QLocale::Language, QString> {
            { QLocale::English, "Espresso" }, { QLocale::German, "Kaffee" } }));
    EXPECT_EQ(strings[1]->getTranslation(QLocale::German), "Heiße Schokolade");
    EXPECT_EQ(strings[2]->originalString(), "Tea");
    EXPECT_EQ(strings[2]->getTranslation(QLocale::French), "Thé");
}

TEST_F(Utils, IdentifiersFromAndToTheCoreAndTheStrictOneReportsANegativeIdAndGoesOn)
{
    using bridge::utils::idFromCoreOpt;
    using bridge::utils::idToCoreOpt;
    EXPECT_FALSE(idFromCoreOpt<lea::RecipeDbId>(-1) || idFromCoreOpt<lea::RecipeDbId>(-42));
    for (const unsigned id : { 0u, 17u }) {
        EXPECT_EQ(idFromCoreOpt<lea::RecipeDbId>(int(id)), lea::RecipeDbId(id));
        EXPECT_EQ(idToCoreOpt<lea::RecipeDbId>(lea::RecipeDbId(id)), int(id));
    }
    EXPECT_EQ(idToCoreOpt<lea::RecipeDbId>(nonstd::nullopt), -1);
    EXPECT_EQ(bridge::utils::idFromCore<lea::ProductDbId>(5), lea::ProductDbId(5));
    EXPECT_TRUE(logEntries().isEmpty());

    EXPECT_EQ(bridge::utils::idFromCore<lea::ProductDbId>(-1), lea::ProductDbId(4294967295u));
    const auto entries = logEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].kind, LogEntry::Kind::Assertion);
    EXPECT_EQ(entries[0].items.mid(0, 2), (QStringList { "coreId >= 0", "Expected valid identifier" }));
}

} // namespace
