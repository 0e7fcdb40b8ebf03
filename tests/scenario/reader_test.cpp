#include "demo/scenario/scenarioreader.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

using scenario::ScenarioReader;

namespace {

struct Malformed
{
    const char* name;
    const char* text;
    int line;
    const char* field;
    const char* message;
};

// The timeline every valid case below shares.
#define TIMELINE "\"timeline\": [ { \"event\": \"buy\" } ]"
#define HEADER "{ \"name\": \"n\", \"description\": \"d\",\n"

const Malformed kMalformed[] = {
    { "SyntaxError", HEADER "\"timeline\": [\n { \"event\": \"buy\" }\n { \"event\": \"buy\" } ] }", 4,
        "timeline[1]", "syntax error" },
    { "Truncated", HEADER "\"timeline\": [\n { \"event\": \"wait\",\n \"ms\": ", 4, "timeline[0].ms",
        "syntax error" },
    { "TopLevelArray", "[ 1, 2 ]", 1, "", "expected an object at the top" },
    { "MissingName", "{ \"description\": \"d\",\n" TIMELINE " }", 1, "name", "missing field" },
    { "UnknownEvent", HEADER "\"timeline\": [\n { \"event\": \"buy\" },\n { \"event\": \"insertCoins\" } ] }",
        4, "timeline[1].event", "unknown event \"insertCoins\"" },
    { "MissingEventField", HEADER "\"timeline\": [\n { \"event\": \"insertCoin\" } ] }", 3,
        "timeline[0].value", "missing field" },
    { "WrongType", HEADER "\"timeline\": [ { \"event\": \"wait\",\n \"ms\": \"100\" } ] }", 3,
        "timeline[0].ms", "expected an integer, found a string" },
    { "FractionalInteger", HEADER "\"timeline\": [ { \"event\": \"insertCoin\",\n \"value\": 1.5 } ] }", 3,
        "timeline[0].value", "expected an integer, found a number" },
    { "OutOfRange",
        HEADER "\"timeline\": [ { \"event\": \"setTemperature\", \"degrees\": 90,\n \"boiler\": 7 } ] }", 3,
        "timeline[0].boiler", "out of range" },
    { "UnknownField",
        HEADER "\"timeline\": [ { \"event\": \"insertCoin\", \"value\": 5,\n \"valeu\": 5 } ] }", 3,
        "timeline[0].valeu", "unknown field" },
    { "EmptyTimeline", HEADER "\n\"timeline\": [] }", 3, "timeline", "at least one step" },
    { "UnknownFailure",
        HEADER "\"timeline\": [ { \"event\": \"raiseFailure\",\n \"failure\": \"Failure335\" } ] }", 3,
        "timeline[0].failure", "unknown failure \"Failure335\"" },
    { "UnknownSource",
        HEADER "\"timeline\": [ { \"event\": \"buy\", \"expect\": [\n \"Boilers::changed\" ] } ] }", 3,
        "timeline[0].expect[0]", "unknown source \"Boilers\"" },
    { "UnknownSignal",
        HEADER "\"timeline\": [ { \"event\": \"buy\", \"forbid\": [\n \"States::erogationStart\" ] } ] }", 3,
        "timeline[0].forbid[0]", "States has no signal \"erogationStart\"" },
    { "UnknownState", HEADER "\"timeline\": [ { \"event\": \"buy\",\n \"state\": \"Brewing\" } ] }", 3,
        "timeline[0].state", "unknown State \"Brewing\"" },
    { "IngredientWithoutCanister",
        HEADER "\"catalogue\": { \"recipes\": [ { \"name\": \"E\", \"steps\": [ { \"type\": \"Espresso\",\n"
               "\"ingredients\": [ { \"ingredient\": \"CoffeeBeans\", \"dose\": 8 } ] } ] } ] },\n" TIMELINE
               " }",
        3, "catalogue.recipes[0].steps[0].ingredients[0].ingredient", "no canister" },
    { "UnknownRecipe",
        HEADER "\"catalogue\": { \"products\": [ { \"name\": \"E\", \"price\": 1,\n \"recipe\": \"E\" } ] "
               "},\n" TIMELINE " }",
        3, "catalogue.products[0].recipe", "no recipe \"E\"" },
    // A member is found at its key's line.
    { "CatalogueNotObject", HEADER "\"catalogue\":\n [],\n" TIMELINE " }", 2, "catalogue",
        "expected an object, found an array" },
};

class MalformedScenario : public ::testing::TestWithParam<Malformed>
{
};

TEST_P(MalformedScenario, NamesFileLineAndField)
{
    const Malformed& c = GetParam();
    const auto result = ScenarioReader::read(QByteArray(c.text), QStringLiteral("case.json"));
    ASSERT_FALSE(result.scenario);
    EXPECT_EQ(result.error.file, QStringLiteral("case.json"));
    EXPECT_EQ(result.error.line, c.line);
    EXPECT_EQ(result.error.field, QString::fromLatin1(c.field));
    EXPECT_TRUE(result.error.message.contains(QString::fromUtf8(c.message)))
        << result.error.message.toStdString();
    const QString prefix = QStringLiteral("case.json:%1: ").arg(c.line)
        + (*c.field ? QString::fromLatin1(c.field) + QStringLiteral(": ") : QString());
    EXPECT_TRUE(result.error.text().startsWith(prefix)) << result.error.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Reader, MalformedScenario, ::testing::ValuesIn(kMalformed),
    [](const ::testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

TEST(ScenarioReader, ReadsStepsWithTheirLinesAndDefaults)
{
    const QByteArray text
        = HEADER "\"timeline\": [\n"
                 " { \"event\": \"insertCoin\", \"value\": 50 },\n"
                 " { \"event\": \"setTemperature\", \"boiler\": 1, \"degrees\": 92.55,\n"
                 "   \"description\": \"hot\", \"expect\": [ \"Payments::moneyEvent(CoinIn, 50)\" ] },\n"
                 " { \"event\": \"raiseFailure\", \"failure\": \"Failure186\" }\n"
                 "] }";
    const auto result = ScenarioReader::read(text, QStringLiteral("ok.json"));
    ASSERT_TRUE(result.scenario) << result.error.text().toStdString();
    const auto& timeline = result.scenario->timeline;
    ASSERT_EQ(timeline.size(), 3);
    EXPECT_EQ(timeline[0].line, 3);
    EXPECT_EQ(timeline[0].coinValue, 50);
    EXPECT_EQ(timeline[0].description, QStringLiteral("insert a coin of 50"));
    EXPECT_EQ(timeline[1].line, 4);
    EXPECT_EQ(timeline[1].temperature_dC, 926);
    EXPECT_EQ(timeline[1].description, QStringLiteral("hot"));
    ASSERT_EQ(timeline[1].expectations.size(), 1);
    EXPECT_EQ(timeline[1].expectations[0].arguments,
        (QStringList { QStringLiteral("CoinIn"), QStringLiteral("50") }));
    EXPECT_EQ(timeline[1].expectations[0].text(), QStringLiteral("Payments::moneyEvent(CoinIn, 50)"));
    EXPECT_EQ(timeline[2].failure, 186);
    EXPECT_TRUE(timeline[2].blocking);
}

TEST(ScenarioReader, AMissingFileIsNamed)
{
    QTemporaryDir dir;
    const auto result = ScenarioReader::readFile(dir.filePath(QStringLiteral("absent.json")));
    ASSERT_FALSE(result.scenario);
    EXPECT_TRUE(result.error.text().startsWith(QStringLiteral("absent.json: cannot be read")))
        << result.error.text().toStdString();
}

} // namespace
