#include "demo/scenario/scenarioreader.h"

#include "bridge/maintenance/failureidenumconverter.h"
#include "core/catalogue/canister.h"
#include "core/hardware/inputscheck.h"
#include "demo/scenario/jsonlineindex.h"
#include "demo/scenario/signalrecorder.h"
#include "lea/misc/states.h"
#include "lea/products/recipes.h"

#include <cmath>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QRegularExpression>
#include <QSet>

namespace scenario {

using CanisterSeed = Scenario::CanisterSeed;
using IngredientSeed = Scenario::IngredientSeed;
using StepSeed = Scenario::StepSeed;
using CustomizationSeed = Scenario::CustomizationSeed;
using RecipeSeed = Scenario::RecipeSeed;
using ProductSeed = Scenario::ProductSeed;
using Catalogue = Scenario::Catalogue;
using Expectation = Scenario::Expectation;
using Step = Scenario::Step;

namespace {

constexpr int kMaxQuickCode = 10000;
constexpr int kMaxWaitMs = 24 * 3600 * 1000;

using Recipes = lea::products::Recipes;

struct EventInfo
{
    const char* name;
    Step::Event event;
    /// The fields the event takes besides event, description and expect.
    QStringList fields;
};

const QList<EventInfo>& events()
{
    static const QList<EventInfo> table {
        { "insertCoin", Step::InsertCoin, { QStringLiteral("value") } },
        { "selectQuickCode", Step::SelectQuickCode, { QStringLiteral("code") } },
        { "customize", Step::Customize, { QStringLiteral("customization"), QStringLiteral("choice") } },
        { "buy", Step::Buy, {} },
        { "raiseFailure", Step::RaiseFailure,
            { QStringLiteral("failure"), QStringLiteral("name"), QStringLiteral("blocking") } },
        { "clearFailure", Step::ClearFailure, { QStringLiteral("failure") } },
        { "openDoor", Step::OpenDoor, {} },
        { "closeDoor", Step::CloseDoor, {} },
        { "setTemperature", Step::SetTemperature, { QStringLiteral("boiler"), QStringLiteral("degrees") } },
        { "startCleaning", Step::StartCleaning, {} },
        { "finishCleaning", Step::FinishCleaning, {} },
        { "wait", Step::Wait, { QStringLiteral("ms") } },
    };
    return table;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

/// Walks the document with the path of the value at hand; the first problem
/// ends the walk with a ScenarioError thrown to read().
class Walker
{
public:
    Walker(const JsonLineIndex& index, const QString& file)
        : m_index(index)
        , m_file(file)
    {
    }

    [[noreturn]] void fail(const QString& path, const QString& message) const
    {
        throw ScenarioError { m_file, m_index.line(path), path, message };
    }

    static QString typeName(const QJsonValue& value)
    {
        switch (value.type()) {
        case QJsonValue::Null:
            return QStringLiteral("null");
        case QJsonValue::Bool:
            return QStringLiteral("a boolean");
        case QJsonValue::Double:
            return QStringLiteral("a number");
        case QJsonValue::String:
            return QStringLiteral("a string");
        case QJsonValue::Array:
            return QStringLiteral("an array");
        case QJsonValue::Object:
            return QStringLiteral("an object");
        case QJsonValue::Undefined:
            break;
        }
        return QStringLiteral("nothing");
    }

    /// Rejects members not in `allowed`: a misspelt field would otherwise be ignored silently.
    void onlyFields(const QJsonObject& object, const QString& path, const QStringList& allowed) const
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!allowed.contains(it.key()))
                fail(JsonLineIndex::member(path, it.key()), QStringLiteral("unknown field"));
        }
    }

    QJsonValue required(const QJsonObject& object, const QString& path, const QString& key) const
    {
        if (!object.contains(key))
            fail(JsonLineIndex::member(path, key), QStringLiteral("missing field"));
        return object.value(key);
    }

    void expectType(
        const QJsonValue& value, const QString& path, QJsonValue::Type type, const char* what) const
    {
        if (value.type() != type)
            fail(path, QStringLiteral("expected %1, found %2").arg(QLatin1String(what), typeName(value)));
    }

    QString string(const QJsonObject& object, const QString& path, const QString& key, bool mandatory = true,
        const QString& fallback = {}) const
    {
        if (!mandatory && !object.contains(key))
            return fallback;
        const QString field = JsonLineIndex::member(path, key);
        const QJsonValue value = required(object, path, key);
        expectType(value, field, QJsonValue::String, "a string");
        if (mandatory && value.toString().trimmed().isEmpty())
            fail(field, QStringLiteral("must not be empty"));
        return value.toString();
    }

    bool boolean(const QJsonObject& object, const QString& path, const QString& key, bool fallback) const
    {
        if (!object.contains(key))
            return fallback;
        const QJsonValue value = object.value(key);
        expectType(value, JsonLineIndex::member(path, key), QJsonValue::Bool, "a boolean");
        return value.toBool();
    }

    double number(
        const QJsonObject& object, const QString& path, const QString& key, double min, double max) const
    {
        const QString field = JsonLineIndex::member(path, key);
        const QJsonValue value = required(object, path, key);
        expectType(value, field, QJsonValue::Double, "a number");
        const double n = value.toDouble();
        if (!std::isfinite(n) || n < min || n > max)
            fail(field, QStringLiteral("%1 is out of range %2 to %3").arg(n).arg(min).arg(max));
        return n;
    }

    int integer(const QJsonObject& object, const QString& path, const QString& key, int min, int max,
        nonstd::optional<int> fallback = nonstd::nullopt) const
    {
        if (fallback && !object.contains(key))
            return *fallback;
        const QString field = JsonLineIndex::member(path, key);
        const QJsonValue value = required(object, path, key);
        if (value.type() != QJsonValue::Double || std::floor(value.toDouble()) != value.toDouble())
            fail(field, QStringLiteral("expected an integer, found %1").arg(typeName(value)));
        const double n = value.toDouble();
        if (n < min || n > max)
            fail(field, QStringLiteral("%1 is out of range %2 to %3").arg(n).arg(min).arg(max));
        return int(n);
    }

    QJsonObject object(const QJsonValue& value, const QString& path) const
    {
        expectType(value, path, QJsonValue::Object, "an object");
        return value.toObject();
    }

    QJsonArray array(const QJsonObject& object, const QString& path, const QString& key, bool mandatory) const
    {
        if (!mandatory && !object.contains(key))
            return {};
        const QString field = JsonLineIndex::member(path, key);
        const QJsonValue value = required(object, path, key);
        expectType(value, field, QJsonValue::Array, "an array");
        return value.toArray();
    }

    /// The value of a key of `metaEnum` named by the string at `key`.
    template <class Enum>
    int enumKey(const QJsonObject& object, const QString& path, const QString& key) const
    {
        const QString name = string(object, path, key);
        const QMetaEnum metaEnum = QMetaEnum::fromType<Enum>();
        bool ok = false;
        const int value = metaEnum.keyToValue(name.toLatin1().constData(), &ok);
        if (!ok)
            fail(JsonLineIndex::member(path, key),
                QStringLiteral("unknown %1 %2").arg(QLatin1String(metaEnum.name()), quoted(name)));
        return value;
    }

    Scenario scenario(const QJsonObject& root) const
    {
        onlyFields(root, {},
            { QStringLiteral("name"), QStringLiteral("description"), QStringLiteral("catalogue"),
                QStringLiteral("timeline") });
        Scenario result;
        result.fileName = m_file;
        result.name = string(root, {}, QStringLiteral("name"));
        result.description = string(root, {}, QStringLiteral("description"));
        if (root.contains(QStringLiteral("catalogue")))
            result.catalogue
                = catalogue(object(root.value(QStringLiteral("catalogue")), QStringLiteral("catalogue")));
        const QJsonArray timeline = array(root, {}, QStringLiteral("timeline"), true);
        if (timeline.isEmpty())
            fail(QStringLiteral("timeline"), QStringLiteral("must hold at least one step"));
        for (int i = 0; i < timeline.size(); ++i)
            result.timeline << step(timeline.at(i), JsonLineIndex::element(QStringLiteral("timeline"), i));
        return result;
    }

    Catalogue catalogue(const QJsonObject& object) const
    {
        const QString path = QStringLiteral("catalogue");
        onlyFields(object, path,
            { QStringLiteral("canisters"), QStringLiteral("recipes"), QStringLiteral("products"),
                QStringLiteral("category") });
        Catalogue result;
        const QString canistersPath = JsonLineIndex::member(path, QStringLiteral("canisters"));
        const QJsonArray canisters = array(object, path, QStringLiteral("canisters"), false);
        for (int i = 0; i < canisters.size(); ++i)
            result.canisters << canister(canisters.at(i), JsonLineIndex::element(canistersPath, i));
        const QString recipesPath = JsonLineIndex::member(path, QStringLiteral("recipes"));
        const QJsonArray recipes = array(object, path, QStringLiteral("recipes"), false);
        for (int i = 0; i < recipes.size(); ++i)
            result.recipes << recipe(recipes.at(i), JsonLineIndex::element(recipesPath, i), result.canisters);
        const QString productsPath = JsonLineIndex::member(path, QStringLiteral("products"));
        const QJsonArray products = array(object, path, QStringLiteral("products"), false);
        QSet<int> codes;
        for (int i = 0; i < products.size(); ++i) {
            const QString productPath = JsonLineIndex::element(productsPath, i);
            result.products << product(products.at(i), productPath, result.recipes);
            const int code = result.products.last().quickCode;
            if (code != 0 && codes.contains(code))
                fail(JsonLineIndex::member(productPath, QStringLiteral("quickCode")),
                    QStringLiteral("quick code %1 is taken").arg(code));
            codes.insert(code);
        }
        result.category = string(object, path, QStringLiteral("category"), false);
        return result;
    }

    CanisterSeed canister(const QJsonValue& value, const QString& path) const
    {
        const QJsonObject o = object(value, path);
        onlyFields(
            o, path, { QStringLiteral("name"), QStringLiteral("ingredient"), QStringLiteral("grams") });
        CanisterSeed result;
        result.name = string(o, path, QStringLiteral("name"));
        result.logicalId = enumKey<Canister::LogicalCanisterId>(o, path, QStringLiteral("ingredient"));
        if (result.logicalId == Canister::NoIngredient)
            fail(JsonLineIndex::member(path, QStringLiteral("ingredient")),
                QStringLiteral("a canister holds an ingredient"));
        result.grams = integer(o, path, QStringLiteral("grams"), 0, 100000);
        return result;
    }

    RecipeSeed recipe(
        const QJsonValue& value, const QString& path, const QList<CanisterSeed>& canisters) const
    {
        const QJsonObject o = object(value, path);
        onlyFields(o, path,
            { QStringLiteral("name"), QStringLiteral("cup"), QStringLiteral("steps"),
                QStringLiteral("customizations") });
        RecipeSeed result;
        result.name = string(o, path, QStringLiteral("name"));
        result.hasCup = boolean(o, path, QStringLiteral("cup"), true);
        const QString stepsPath = JsonLineIndex::member(path, QStringLiteral("steps"));
        const QJsonArray steps = array(o, path, QStringLiteral("steps"), true);
        if (steps.isEmpty())
            fail(stepsPath, QStringLiteral("a recipe has at least one step"));
        for (int i = 0; i < steps.size(); ++i)
            result.steps << recipeStep(steps.at(i), JsonLineIndex::element(stepsPath, i), canisters);
        const QString customizationsPath = JsonLineIndex::member(path, QStringLiteral("customizations"));
        const QJsonArray customizations = array(o, path, QStringLiteral("customizations"), false);
        for (int i = 0; i < customizations.size(); ++i) {
            const QString itemPath = JsonLineIndex::element(customizationsPath, i);
            const QJsonObject c = object(customizations.at(i), itemPath);
            onlyFields(
                c, itemPath, { QStringLiteral("name"), QStringLiteral("steps"), QStringLiteral("default") });
            CustomizationSeed seed;
            seed.name = string(c, itemPath, QStringLiteral("name"));
            seed.stepCount = integer(c, itemPath, QStringLiteral("steps"), 1, 10);
            seed.defaultIndex = integer(c, itemPath, QStringLiteral("default"), 0, seed.stepCount - 1, 0);
            result.customizations << seed;
        }
        return result;
    }

    StepSeed recipeStep(
        const QJsonValue& value, const QString& path, const QList<CanisterSeed>& canisters) const
    {
        const QJsonObject o = object(value, path);
        onlyFields(o, path,
            { QStringLiteral("type"), QStringLiteral("description"), QStringLiteral("waterDose"),
                QStringLiteral("waterSpeed"), QStringLiteral("ingredients") });
        StepSeed result;
        result.type = enumKey<Recipes::StepType>(o, path, QStringLiteral("type"));
        result.description = string(o, path, QStringLiteral("description"), false);
        result.waterDose = integer(o, path, QStringLiteral("waterDose"), 0, 1000, 0);
        result.waterSpeed = integer(o, path, QStringLiteral("waterSpeed"), 0, 100, 0);
        const QString ingredientsPath = JsonLineIndex::member(path, QStringLiteral("ingredients"));
        const QJsonArray ingredients = array(o, path, QStringLiteral("ingredients"), false);
        for (int i = 0; i < ingredients.size(); ++i) {
            const QString itemPath = JsonLineIndex::element(ingredientsPath, i);
            const QJsonObject item = object(ingredients.at(i), itemPath);
            onlyFields(item, itemPath, { QStringLiteral("ingredient"), QStringLiteral("dose") });
            IngredientSeed seed;
            seed.logicalId
                = enumKey<Canister::LogicalCanisterId>(item, itemPath, QStringLiteral("ingredient"));
            const bool held = std::any_of(canisters.cbegin(), canisters.cend(),
                [&](const CanisterSeed& c) { return c.logicalId == seed.logicalId; });
            if (!held)
                fail(JsonLineIndex::member(itemPath, QStringLiteral("ingredient")),
                    QStringLiteral("no canister of the catalogue holds it"));
            seed.dose = integer(item, itemPath, QStringLiteral("dose"), 1, 1000);
            result.ingredients << seed;
        }
        return result;
    }

    ProductSeed product(const QJsonValue& value, const QString& path, const QList<RecipeSeed>& recipes) const
    {
        const QJsonObject o = object(value, path);
        onlyFields(o, path,
            { QStringLiteral("name"), QStringLiteral("recipe"), QStringLiteral("quickCode"),
                QStringLiteral("price") });
        ProductSeed result;
        result.name = string(o, path, QStringLiteral("name"));
        result.recipe = string(o, path, QStringLiteral("recipe"));
        const bool known = std::any_of(
            recipes.cbegin(), recipes.cend(), [&](const RecipeSeed& r) { return r.name == result.recipe; });
        if (!known)
            fail(JsonLineIndex::member(path, QStringLiteral("recipe")),
                QStringLiteral("no recipe %1 in the catalogue").arg(quoted(result.recipe)));
        result.quickCode = integer(o, path, QStringLiteral("quickCode"), 1, kMaxQuickCode, 0);
        result.price = integer(o, path, QStringLiteral("price"), 0, 1000000);
        return result;
    }

    Step step(const QJsonValue& value, const QString& path) const
    {
        const QJsonObject o = object(value, path);
        const QString eventPath = JsonLineIndex::member(path, QStringLiteral("event"));
        const QString name = string(o, path, QStringLiteral("event"));
        const auto info = std::find_if(events().cbegin(), events().cend(),
            [&](const EventInfo& e) { return name == QLatin1String(e.name); });
        if (info == events().cend())
            fail(eventPath, QStringLiteral("unknown event %1").arg(quoted(name)));
        onlyFields(o, path,
            info->fields
                + QStringList { QStringLiteral("event"), QStringLiteral("description"),
                    QStringLiteral("expect"), QStringLiteral("forbid"), QStringLiteral("state"),
                    QStringLiteral("credit") });

        Step result;
        result.event = info->event;
        result.line = m_index.line(path);
        switch (result.event) {
        case Step::InsertCoin:
            result.coinValue = integer(o, path, QStringLiteral("value"), 1, 100000);
            result.description = QStringLiteral("insert a coin of %1").arg(result.coinValue);
            break;
        case Step::SelectQuickCode:
            result.quickCode = integer(o, path, QStringLiteral("code"), 1, kMaxQuickCode);
            result.description = QStringLiteral("type quick code %1").arg(result.quickCode);
            break;
        case Step::Customize: {
            result.customization = string(o, path, QStringLiteral("customization"));
            result.choice = integer(o, path, QStringLiteral("choice"), 0, 9);
            result.description
                = QStringLiteral("set %1 to step %2").arg(result.customization).arg(result.choice);
            break;
        }
        case Step::Buy:
            result.description = QStringLiteral("buy");
            break;
        case Step::RaiseFailure:
        case Step::ClearFailure: {
            const QString key = string(o, path, QStringLiteral("failure"));
            result.failure = failureId(key, JsonLineIndex::member(path, QStringLiteral("failure")));
            const bool raise = result.event == Step::RaiseFailure;
            if (raise) {
                result.failureName = string(o, path, QStringLiteral("name"), false);
                result.blocking = boolean(o, path, QStringLiteral("blocking"), true);
            }
            result.description = QStringLiteral("%1 failure %2")
                                     .arg(raise ? QStringLiteral("raise") : QStringLiteral("clear"), key);
            break;
        }
        case Step::OpenDoor:
            result.description = QStringLiteral("open the door");
            break;
        case Step::CloseDoor:
            result.description = QStringLiteral("close the door");
            break;
        case Step::SetTemperature: {
            result.boiler = integer(o, path, QStringLiteral("boiler"), 0, InputsCheck::BoilerCount - 1);
            const double degrees = number(o, path, QStringLiteral("degrees"), -50, 200);
            result.temperature_dC = int(std::lround(degrees * 10));
            result.description = QStringLiteral("boiler %1 reads %2 °C").arg(result.boiler).arg(degrees);
            break;
        }
        case Step::StartCleaning:
            result.description = QStringLiteral("start cleaning");
            break;
        case Step::FinishCleaning:
            result.description = QStringLiteral("finish cleaning");
            break;
        case Step::Wait:
            result.milliseconds = integer(o, path, QStringLiteral("ms"), 0, kMaxWaitMs);
            result.description = QStringLiteral("wait %1 ms").arg(result.milliseconds);
            break;
        }
        result.description = string(o, path, QStringLiteral("description"), false, result.description);

        result.expectations = expectations(o, path, QStringLiteral("expect"));
        result.forbidden = expectations(o, path, QStringLiteral("forbid"));
        if (o.contains(QStringLiteral("state")))
            result.state = enumKey<lea::misc::States::State>(o, path, QStringLiteral("state"));
        if (o.contains(QStringLiteral("credit")))
            result.credit = integer(o, path, QStringLiteral("credit"), 0, 10000000);
        return result;
    }

    QList<Expectation> expectations(const QJsonObject& o, const QString& path, const QString& key) const
    {
        QList<Expectation> result;
        const QString listPath = JsonLineIndex::member(path, key);
        const QJsonArray list = array(o, path, key, false);
        for (int i = 0; i < list.size(); ++i) {
            const QString itemPath = JsonLineIndex::element(listPath, i);
            expectType(list.at(i), itemPath, QJsonValue::String, "a string");
            result << expectation(list.at(i).toString(), itemPath);
        }
        return result;
    }

    int failureId(const QString& key, const QString& path) const
    {
        static const QRegularExpression pattern(QStringLiteral("^Failure(\\d{1,3})$"));
        const QRegularExpressionMatch match = pattern.match(key);
        const auto id = lea::maintenance::FailureId(match.hasMatch() ? match.captured(1).toInt() : -1);
        if (!bridge::maintenance::FailureIdEnumConverter::toInternalOpt(id))
            fail(path, QStringLiteral("unknown failure %1").arg(quoted(key)));
        return int(id);
    }

    Expectation expectation(const QString& text, const QString& path) const
    {
        static const QRegularExpression pattern(QStringLiteral("^(\\w+)::(\\w+)(?:\\((.*)\\))?$"));
        const QRegularExpressionMatch match = pattern.match(text.trimmed());
        if (!match.hasMatch())
            fail(path,
                QStringLiteral("expected \"Source::signal\" or \"Source::signal(arguments)\", found %1")
                    .arg(quoted(text)));
        Expectation result;
        result.source = match.captured(1);
        result.signal = match.captured(2);
        const QMetaObject* meta = SignalRecorder::knownSources().value(result.source);
        if (!meta)
            fail(path,
                QStringLiteral("unknown source %1 (known: %2)")
                    .arg(quoted(result.source),
                        SignalRecorder::knownSources().keys().join(QStringLiteral(", "))));
        bool known = false;
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount() && !known; ++i) {
            const QMetaMethod method = meta->method(i);
            known = method.methodType() == QMetaMethod::Signal
                && QString::fromLatin1(method.name()) == result.signal;
        }
        if (!known)
            fail(path, QStringLiteral("%1 has no signal %2").arg(result.source, quoted(result.signal)));
        if (match.capturedStart(3) >= 0) {
            result.matchArguments = true;
            const QString arguments = match.captured(3).trimmed();
            if (!arguments.isEmpty()) {
                for (const QString& argument : arguments.split(QLatin1Char(',')))
                    result.arguments << argument.trimmed();
            }
        }
        return result;
    }

private:
    const JsonLineIndex& m_index;
    QString m_file;
};

} // namespace

ScenarioReader::Result ScenarioReader::readFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { {},
            ScenarioError { name, 0, {}, QStringLiteral("cannot be read: %1").arg(file.errorString()) } };
    return read(file.readAll(), name);
}

ScenarioReader::Result ScenarioReader::read(const QByteArray& text, const QString& fileName)
{
    const JsonLineIndex index(text);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return { {},
            ScenarioError { fileName, index.lineOfOffset(parseError.offset),
                index.pathBefore(parseError.offset),
                QStringLiteral("syntax error: %1").arg(parseError.errorString()) } };
    }
    if (!document.isObject())
        return { {}, ScenarioError { fileName, 1, {}, QStringLiteral("expected an object at the top") } };
    try {
        return { Walker(index, fileName).scenario(document.object()), {} };
    } catch (const ScenarioError& error) {
        return { {}, error };
    }
}

} // namespace scenario
