#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/database/abstractdatabase.h"
#include "core/settings/settingsstore.h"
#include "support/machinetest.h"

#include <limits>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>

namespace {

const QString kOld = QStringLiteral("area/old");
const qint64 kAbove2p53 = (qint64(1) << 53) + 1;

class Settings : public MachineTest
{
protected:
    SettingsStore& store() const { return *machine().core().configurationGroup()->settingsStore(); }

    /// The value of `key` as a new store reads it from the database file.
    QJsonValue storedValue(const QString& key) const
    {
        AbstractDatabase file(databasePath());
        return SettingsStore(file).value(key, QJsonValue::Undefined);
    }
};

class SettingsRoundTrip : public Settings,
                          public ::testing::WithParamInterface<std::pair<const char*, QJsonValue>>
{
};

const std::pair<const char*, QJsonValue> kRoundTrips[] = {
    { "Null", QJsonValue::Null },
    { "False", false },
    { "Double", -2.5e-7 },
    { "HugeDouble", 1e300 },
    { "IntegerAbove2p53", kAbove2p53 },
    { "NegativeBelowMinus2p53", -kAbove2p53 - 2 },
    { "LargestInteger", std::numeric_limits<qint64>::max() },
    { "SmallestInteger", std::numeric_limits<qint64>::min() },
    { "EmptyText", QString(QLatin1String("")) },
    { "QuotesSemicolonNul",
        QString::fromUtf8("it's \"x\"; DROP TABLE Settings; --") + QChar(0) + QStringLiteral("\\ ☕") },
    // Parsed: Qt 5 rounds integers beyond 2^53 that are inserted into a QJsonObject.
    { "Nested",
        QJsonDocument::fromJson(R"({"list": [1, 9007199254740993, {"x": null}], "empty": [], "t": "ß"})")
            .object() },
};

INSTANTIATE_TEST_SUITE_P(Kinds, SettingsRoundTrip, ::testing::ValuesIn(kRoundTrips),
    [](const auto& info) { return std::string(info.param.first); });

TEST_P(SettingsRoundTrip, ReadsBackExactlyFromTheFile)
{
    const QJsonValue value = GetParam().second;
    ASSERT_TRUE(store().setValue(QStringLiteral("area/setting"), value));
    const QJsonValue stored = storedValue(QStringLiteral("area/setting"));
    EXPECT_EQ(stored.toVariant().userType(), value.toVariant().userType()); // an integer stays one
    EXPECT_EQ(stored.toVariant(), value.toVariant());
    EXPECT_EQ(store().value(QStringLiteral("area/setting")).toVariant(), value.toVariant());
}

TEST_F(Settings, ValueChangedOncePerRealChange)
{
    QSignalSpy spy(&store(), &SettingsStore::valueChanged);
    const QString other = QStringLiteral("area/other");
    EXPECT_TRUE(store().setValue(kOld, 1));
    EXPECT_TRUE(store().setValue(kOld, 1.0)); // equal: stored as it was
    EXPECT_TRUE(store().setValues({ { kOld, 1 }, { other, qint64(1) << 53 } }));
    EXPECT_TRUE(store().setValue(other, kAbove2p53)); // equal as doubles, not as integers
    EXPECT_TRUE(store().setValue(other, QJsonValue::Undefined));
    store().reload();
    EXPECT_FALSE(store().contains(other));
    {
        AbstractDatabase file(databasePath());
        ASSERT_TRUE(SettingsStore(file).setValue(kOld, 7));
    }
    store().reload(); // a change behind the store's back is announced too
    EXPECT_EQ(store().value(kOld), QJsonValue(7));
    QStringList keys;
    for (const QList<QVariant>& signal : qAsConst(spy))
        keys << signal.at(0).toString();
    EXPECT_EQ(keys, (QStringList { kOld, other, other, other, kOld }));
}

/// A write that a trigger refuses, or (without trigger) the store itself; one
/// key and value for setValue(), or several for setValues().
struct Refusal
{
    const char* name;
    const char* trigger;
    const char* key;
    QJsonValue value;
    QJsonObject several;
};

class SettingsRefusal : public Settings, public ::testing::WithParamInterface<Refusal>
{
};

const Refusal kRefusals[] = {
    { "NewKey", "BEFORE INSERT ON Settings", "area/new", 5, {} },
    { "ChangedKey", "BEFORE UPDATE ON Settings", "area/old", 2, {} },
    { "RemovedKey", "BEFORE DELETE ON Settings", "area/old", QJsonValue::Undefined, {} },
    { "NotANumber", nullptr, "area/old", QJsonArray { 2, qQNaN() }, {} },
    { "LastOfSeveral", "BEFORE INSERT ON Settings WHEN NEW.key = 'area/z'", nullptr, {},
        { { "area/old", 2 }, { "area/new", 3 }, { "area/z", 4 } } },
    { "EmptyKey", nullptr, nullptr, {}, { { "area/old", 2 }, { "", 1 } } },
};

INSTANTIATE_TEST_SUITE_P(Refused, SettingsRefusal, ::testing::ValuesIn(kRefusals),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(SettingsRefusal, ReportsFalseLogsAndChangesNothing)
{
    ASSERT_TRUE(store().setValue(kOld, 1));
    const Refusal& write = GetParam();
    if (write.trigger)
        refuseWrites(QLatin1String(write.trigger));
    const quint32 changes = databaseChangeCounter();
    clearLog();
    QSignalSpy spy(&store(), &SettingsStore::valueChanged);

    EXPECT_FALSE(write.key ? store().setValue(QLatin1String(write.key), write.value)
                           : store().setValues(write.several));

    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(databaseChangeCounter(), changes);
    for (const QString& key : { kOld, QStringLiteral("area/new"), QStringLiteral("area/z") }) {
        const QJsonValue expected = key == kOld ? QJsonValue(1) : QJsonValue(QJsonValue::Undefined);
        EXPECT_EQ(store().value(key, QJsonValue::Undefined), expected) << key.toStdString();
        EXPECT_EQ(storedValue(key), store().value(key, QJsonValue::Undefined)) << key.toStdString();
    }
    const QList<LogEntry> logged = logEntriesContaining(
        write.key ? QStringLiteral("SettingsStore::setValue(") : QStringLiteral("SettingsStore::setValues("));
    ASSERT_FALSE(logged.isEmpty());
    EXPECT_EQ(logged.last().level, LogLevel::Error);
    EXPECT_EQ(logged.last().modules, QStringList { QStringLiteral("Database") });
}

} // namespace
