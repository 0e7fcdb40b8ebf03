#include "bridge/staticsettings/languages.h"
#include "bridge/utils.h"
#include "core/configuration/configurationgroup.h"
#include "core/gui/guimanager.h"
#include "core/settings/settingsstore.h"
#include "support/guardtest.h"
#include "support/machineaccessortest.h"

#include <gmock/gmock.h>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTranslator>
#include <tuple>

namespace {

using ::testing::ElementsAre;
using LeaLanguages = lea::staticsettings::Languages;
using Settings = LeaLanguages::Settings;
using L = QLocale::Language;

auto fields(const Settings& s)
{
    return std::make_tuple(s.defaultUserLanguage, s.defaultTechnicianLanguage, s.currentLanguage, s.languages,
        s.deselectedLanguages);
}

Settings record(L user, L technician, L current, std::vector<L> deselected)
{
    Settings settings;
    settings.defaultUserLanguage = user;
    settings.defaultTechnicianLanguage = technician;
    settings.currentLanguage = current;
    settings.deselectedLanguages = std::move(deselected);
    return settings;
}

const std::vector<L> kOffered { QLocale::English, QLocale::German, QLocale::French };
const L kNone = QLocale::AnyLanguage;

class LanguagesTest : public MachineAccessorTest<LeaLanguages, bridge::staticsettings::Languages>
{
protected:
    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }
    /// What a restarted machine reads back.
    Settings reloaded() const
    {
        store().reload();
        machine().guiManager().setCurrentLanguage(nonstd::nullopt);
        machine().guiManager().loadLanguages();
        return accessor->settings();
    }
};

TEST_F(LanguagesTest, NothingChosenAtFirst)
{
    EXPECT_EQ(
        fields(accessor->settings()), fields(Settings { kNone, kNone, kNone, {}, {}, {}, kOffered, {} }));
}

// Each record applied in turn: the record read back, also after a restart.
TEST_F(LanguagesTest, AppliedSettingsReadBackAndSurviveARestart)
{
    const struct
    {
        Settings applied;
        Settings expected;
    } steps[] = {
        // Languages the machine does not offer are not hidden.
        { record(QLocale::German, QLocale::English, QLocale::French, { QLocale::French, QLocale::Italian }),
            { QLocale::German, QLocale::English, QLocale::French, {}, {}, {}, kOffered,
                { QLocale::French } } },
        // 0 leaves a language as it was; the hidden ones come in the offered order.
        { record(kNone, kNone, kNone, { QLocale::French, QLocale::English }),
            { QLocale::German, QLocale::English, QLocale::French, {}, {}, {}, kOffered,
                { QLocale::English, QLocale::French } } },
        // An empty list shows every language.
        { record(QLocale::French, kNone, QLocale::German, {}),
            { QLocale::French, QLocale::English, QLocale::German, {}, {}, {}, kOffered, {} } },
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(accessor->setSettings(step.applied));
        EXPECT_EQ(fields(accessor->settings()), fields(step.expected));
        EXPECT_EQ(fields(reloaded()), fields(step.expected));
        // Reading and applying the same record changes nothing.
        QSignalSpy changed(accessor.get(), &LeaLanguages::languageChanged);
        EXPECT_TRUE(accessor->setSettings(accessor->settings()));
        EXPECT_EQ(fields(accessor->settings()), fields(step.expected));
        EXPECT_TRUE(changed.isEmpty());
    }
    EXPECT_TRUE(logEntries().isEmpty()) << qPrintable(logEntries().value(0).text);
}

TEST_F(LanguagesTest, ALanguageNotOfferedOrARefusedSaveChangesNothing)
{
    ASSERT_TRUE(accessor->setSettings(
        record(QLocale::German, QLocale::English, QLocale::French, { QLocale::French })));
    const Settings before = accessor->settings();
    QSignalSpy changed(accessor.get(), &LeaLanguages::languageChanged);
    for (const Settings& refused : { record(QLocale::Italian, kNone, kNone, {}),
             record(kNone, QLocale::C, kNone, {}), record(kNone, kNone, QLocale::Japanese, {}) }) {
        EXPECT_FALSE(accessor->setSettings(refused));
        EXPECT_EQ(fields(accessor->settings()), fields(before));
    }
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Language not offered by this machine")).size(), 3);

    refuseSetting(QStringLiteral("gui/deselectedLanguages"));
    EXPECT_FALSE(accessor->setSettings(record(QLocale::English, kNone, QLocale::English, {})));
    EXPECT_EQ(logEntriesContaining(QStringLiteral("Failed to save the language settings")).size(), 1);
    EXPECT_EQ(fields(accessor->settings()), fields(before));
    EXPECT_TRUE(changed.isEmpty());
    acceptWrites();
    EXPECT_EQ(fields(reloaded()), fields(before));
}

TEST_F(LanguagesTest, ChangesAreAnnouncedOnceWhileTheManagerAnnouncesThem)
{
    QSignalSpy changed(accessor.get(), &LeaLanguages::languageChanged);
    ASSERT_TRUE(accessor->setSettings(record(QLocale::German, kNone, QLocale::German, { QLocale::French })));
    EXPECT_EQ(changed.size(), 1);
    machine().guiManager().setAnnouncesLanguageChanges(false);
    ASSERT_TRUE(accessor->setSettings(record(kNone, kNone, QLocale::English, {})));
    EXPECT_EQ(changed.size(), 1);
    machine().guiManager().setAnnouncesLanguageChanges(true);
    machine().guiManager().setCurrentLanguage(QLocale::French);
    EXPECT_EQ(changed.size(), 2);
}

using P = std::pair<L, QString>;
std::vector<P> pairs(const std::vector<lea::Translation>& list)
{
    std::vector<P> result;
    for (const lea::Translation& t : list)
        result.emplace_back(t.language, t.text);
    return result;
}

TEST_F(LanguagesTest, StringTranslationsAnswerEachRequestedLanguageOfTheType)
{
    loadConfiguration();
    const struct
    {
        LeaLanguages::StringType type;
        std::vector<L> requested;
        std::vector<P> expected;
    } cases[] = {
        { LeaLanguages::RecipeName, { QLocale::German, QLocale::French, QLocale::English },
            { { QLocale::German, "Heiße Schokolade" }, { QLocale::French, "Hot chocolate" },
                { QLocale::English, "Hot chocolate" } } },
        // Another type does not share the recipe's translations.
        { LeaLanguages::CategoryTitle, { QLocale::German }, { { QLocale::German, "Hot chocolate" } } },
        { LeaLanguages::RecipeName, {}, {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(pairs(accessor->getStringTranslations("Hot chocolate", c.requested, c.type)), c.expected);

    for (const int type : { -1, 22 }) {
        const std::string text = exceptionText<std::invalid_argument>([&] {
            accessor->getStringTranslations(
                "Hot chocolate", { QLocale::German }, static_cast<LeaLanguages::StringType>(type));
        });
        EXPECT_THAT(text, ::testing::StartsWith("Invalid external enum value " + std::to_string(type)));
    }
}

// Answers like a translator loaded for the German interface.
class GermanTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QByteArray(context) == "Menu" && QByteArray(source) == "Sugar" ? QStringLiteral("Zucker")
                                                                              : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST_F(LanguagesTest, TheChosenLanguageIsTheOneTheInterfaceTextsAreGivenIn)
{
    GermanTranslator translator;
    QCoreApplication::installTranslator(&translator);
    ASSERT_TRUE(accessor->setSettings(record(kNone, kNone, QLocale::German, {})));
    EXPECT_THAT(pairs(bridge::utils::translationsFromQm(QStringLiteral("Menu"), QStringLiteral("Sugar"))),
        ElementsAre(P { QLocale::German, "Zucker" }));
    QCoreApplication::removeTranslator(&translator);
}

using Languages = bridge::staticsettings::Languages;
const GuardCase<Languages> kGuarded[] = {
    { "settings", [](Languages& l) { return l.settings().currentLanguage == QLocale::AnyLanguage; },
        Guard::None },
    { "setSettings", [](Languages& l) { return l.setSettings({}); }, Guard::None },
    { "getStringTranslations",
        [](Languages& l) {
            return pairs(l.getStringTranslations("Tea", { QLocale::German }, LeaLanguages::RecipeName))
                == std::vector<P> { { QLocale::German, "Tea" } };
        },
        Guard::None },
};
GUARD_TEST(LanguagesGuard, LeaLanguages, Languages, kGuarded);

} // namespace
