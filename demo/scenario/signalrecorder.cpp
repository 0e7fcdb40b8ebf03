#include "demo/scenario/signalrecorder.h"

#include "core/hardware/inputscheck.h"
#include "lea/interface/selection.h"
#include "lea/maintenance/failures.h"
#include "lea/misc/states.h"
#include "lea/payment/payments.h"
#include "lea/products/customizations.h"
#include "lea/statistics/delivery.h"

#include <functional>
#include <QMetaEnum>
#include <QMetaMethod>
#include <QVariant>

namespace scenario {

namespace {

using Formatter = std::function<QString(const void*)>;

template <class Enum> QString enumKey(Enum value)
{
    const char* key = QMetaEnum::fromType<Enum>().valueToKey(int(value));
    return key ? QString::fromLatin1(key) : QString::number(int(value));
}

QString failureKey(lea::maintenance::FailureId id)
{
    return QStringLiteral("Failure%1").arg(int(id));
}

// The interface's records, written as a scenario names them.
const QMap<QByteArray, Formatter>& formatters()
{
    static const QMap<QByteArray, Formatter> table {
        { "lea::ProductDbId",
            [](const void* a) { return QString::number(static_cast<const lea::ProductDbId*>(a)->value()); } },
        { "lea::maintenance::FailureId",
            [](const void* a) { return failureKey(*static_cast<const lea::maintenance::FailureId*>(a)); } },
        { "lea::maintenance::Failures::Notification",
            [](const void* a) {
                const auto& n = *static_cast<const lea::maintenance::Failures::Notification*>(a);
                return failureKey(n.id);
            } },
        { "lea::payment::Payments::MoneyEvent",
            [](const void* a) {
                const auto& event = *static_cast<const lea::payment::Payments::MoneyEvent*>(a);
                return enumKey(event.type) + QStringLiteral(", ") + QString::number(event.value);
            } },
        { "lea::statistics::Delivery::ProductDeliveryEvent",
            [](const void* a) {
                const auto& event = *static_cast<const lea::statistics::Delivery::ProductDeliveryEvent*>(a);
                return QString::number(event.productId.value()) + QStringLiteral(", ")
                    + QString::number(event.price);
            } },
        { "lea::products::Customizations::CustomizationType",
            [](const void* a) {
                return enumKey(*static_cast<const lea::products::Customizations::CustomizationType*>(a));
            } },
    };
    return table;
}

QString formatArgument(const QByteArray& typeName, int typeId, const void* value)
{
    const auto formatter = formatters().constFind(typeName);
    if (formatter != formatters().constEnd())
        return (*formatter)(value);
    if (typeId != QMetaType::UnknownType)
        return QVariant(typeId, value).toString();
    return QStringLiteral("<%1>").arg(QString::fromLatin1(typeName));
}

} // namespace

/// Receives one signal of one source through a direct connection to its
/// meta-call entry, and writes the line of each emission.
class SignalCatcher : public QObject
{
public:
    SignalCatcher(SignalRecorder* recorder, const QString& source, const QMetaMethod& signal)
        : QObject(recorder)
        , m_recorder(recorder)
        , m_prefix(source + QStringLiteral("::") + QString::fromLatin1(signal.name()))
        , m_signal(signal)
    {
    }

    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override
    {
        id = QObject::qt_metacall(call, id, arguments);
        if (id < 0)
            return id;
        if (call == QMetaObject::InvokeMetaMethod) {
            if (id == 0)
                m_recorder->record(line(arguments));
            --id;
        }
        return id;
    }

private:
    QString line(void** arguments) const
    {
        QStringList values;
        for (int i = 0; i < m_signal.parameterCount(); ++i)
            values << formatArgument(
                m_signal.parameterTypes().at(i), m_signal.parameterType(i), arguments[i + 1]);
        return m_prefix + QLatin1Char('(') + values.join(QStringLiteral(", ")) + QLatin1Char(')');
    }

    SignalRecorder* m_recorder;
    QString m_prefix;
    QMetaMethod m_signal;
};

SignalRecorder::SignalRecorder(QObject* parent)
    : QObject(parent)
{
}

SignalRecorder::~SignalRecorder() = default;

const QMap<QString, const QMetaObject*>& SignalRecorder::knownSources()
{
    static const QMap<QString, const QMetaObject*> sources = [] {
        QMap<QString, const QMetaObject*> map;
        for (const QMetaObject* meta : { &lea::interface::Selection::staticMetaObject,
                 &lea::payment::Payments::staticMetaObject, &lea::misc::States::staticMetaObject,
                 &lea::statistics::Delivery::staticMetaObject, &lea::maintenance::Failures::staticMetaObject,
                 &lea::products::Customizations::staticMetaObject, &InputsCheck::staticMetaObject })
            map.insert(sourceName(*meta), meta);
        return map;
    }();
    return sources;
}

QString SignalRecorder::sourceName(const QMetaObject& metaObject)
{
    return QString::fromLatin1(metaObject.className()).section(QStringLiteral("::"), -1);
}

void SignalRecorder::follow(QObject* source)
{
    // The interface class names the source, not the bridge class that implements it.
    const QMetaObject* meta = source->metaObject();
    while (meta->superClass() && !knownSources().contains(sourceName(*meta)))
        meta = meta->superClass();
    const QString name = sourceName(*meta);
    const int receiverIndex = QObject::staticMetaObject.methodCount();
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        auto* catcher = new SignalCatcher(this, name, method);
        QMetaObject::connect(source, i, catcher, receiverIndex, Qt::DirectConnection);
    }
}

void SignalRecorder::record(const QString& line)
{
    m_lines << line;
    emit recorded(line);
}

} // namespace scenario
