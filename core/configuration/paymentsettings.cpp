#include "core/configuration/paymentsettings.h"

#include "core/configuration/timebanddatasettings.h"
#include "core/log/logformatter.h"
#include "core/settings/settingsstore.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString kSwitches = QStringLiteral("payment/timeBandSwitches");
const QString kPaymentTypeModel = QStringLiteral("payment/paymentTypeModel");
const QString kSecondPriceMode = QStringLiteral("payment/secondPriceMode");
const QString kCreditKept = QStringLiteral("payment/creditKept");
const QString kMultiVend = QStringLiteral("payment/multiVend");
const QString kPricesShown = QStringLiteral("payment/pricesShown");
const QString kPaxioEnabled = QStringLiteral("payment/paxioEnabled");
const QString kCashless1RemoteSelection = QStringLiteral("payment/cashless1RemoteSelection");
const QString kCashless2RemoteSelection = QStringLiteral("payment/cashless2RemoteSelection");

const QString kDay = QStringLiteral("day");
const QString kTime = QStringLiteral("time");
const QString kBand = QStringLiteral("band");

constexpr qint64 kMsecsPerDay = 24 * 60 * 60 * 1000;

bool isValidSwitch(const QTime& time, int day)
{
    return time.isValid() && day >= Qt::Monday && day <= Qt::Sunday;
}

/// Milliseconds since Monday 00:00.
qint64 weekPosition(int day, const QTime& time)
{
    return (day - Qt::Monday) * kMsecsPerDay + time.msecsSinceStartOfDay();
}

} // namespace

PaymentSettings::PaymentSettings(QObject* parent)
    : QObject(parent)
{
}

PaymentSettings::~PaymentSettings() = default;

void PaymentSettings::clearStates()
{
    qDeleteAll(m_states);
    m_states.clear();
}

void PaymentSettings::addState(TimeBandDataSettings* state)
{
    if (!state || m_states.contains(state))
        return;
    state->setParent(this);
    m_states << state;
}

void PaymentSettings::removeState(TimeBandDataSettings* state)
{
    if (m_states.removeOne(state))
        delete state;
}

int PaymentSettings::bandAt(const QDateTime& time) const
{
    const qint64 now = weekPosition(time.date().dayOfWeek(), time.time());
    qint64 latestBefore = -1;
    int bandBefore = 0;
    qint64 latest = -1;
    int lastBand = 0;
    for (const TimeBandDataSettings* state : m_states) {
        if (!isValidSwitch(state->time(), state->day()))
            continue;
        const qint64 position = weekPosition(state->day(), state->time());
        if (position <= now && position >= latestBefore) {
            latestBefore = position;
            bandBefore = state->band();
        }
        if (position >= latest) {
            latest = position;
            lastBand = state->band();
        }
    }
    // Before the week's first switch, the last one of the previous week holds.
    return latestBefore >= 0 ? bandBefore : lastBand;
}

void PaymentSettings::load(const SettingsStore& store)
{
    clearStates();
    for (const QJsonValue& value : store.value(kSwitches).toArray()) {
        const QJsonObject entry = value.toObject();
        const QTime time = QTime::fromString(entry.value(kTime).toString(), Qt::ISODateWithMs);
        const int day = entry.value(kDay).toInt(0);
        const QJsonValue band = entry.value(kBand);
        if (!isValidSwitch(time, day) || !band.isDouble()) {
            LogFormatter(LogLevel::Error).log(Log::Database)
                << Q_FUNC_INFO << "Unreadable time band switch" << value;
            continue;
        }
        addState(new TimeBandDataSettings(time, Qt::DayOfWeek(day), band.toInt(), this));
    }
    if (store.contains(kPaymentTypeModel)) {
        m_paymentTypeModel.clear();
        for (const QJsonValue& name : store.value(kPaymentTypeModel).toArray())
            m_paymentTypeModel << name.toString();
    }
    m_secondPriceMode = store.value(kSecondPriceMode, m_secondPriceMode).toInt();
    m_creditKept = store.value(kCreditKept, m_creditKept).toBool();
    m_multiVend = store.value(kMultiVend, m_multiVend).toBool();
    m_pricesShown = store.value(kPricesShown, m_pricesShown).toBool();
    setPaxioEnabled(store.value(kPaxioEnabled, false).toBool());
    setCashless1RemoteSelection(store.value(kCashless1RemoteSelection, false).toBool());
    setCashless2RemoteSelection(store.value(kCashless2RemoteSelection, false).toBool());
}

bool PaymentSettings::save(SettingsStore& store) const
{
    QJsonArray switches;
    for (const TimeBandDataSettings* state : m_states) {
        // It would not read back.
        if (!isValidSwitch(state->time(), state->day())) {
            LogFormatter(LogLevel::Error).log(Log::Database)
                << Q_FUNC_INFO << "Time band switch cannot be stored:" << state->time() << int(state->day());
            return false;
        }
        switches.append(QJsonObject { { kDay, int(state->day()) },
            { kTime, state->time().toString(Qt::ISODateWithMs) }, { kBand, state->band() } });
    }
    return store.setValues(QJsonObject { { kSwitches, switches },
        { kPaymentTypeModel, QJsonArray::fromStringList(m_paymentTypeModel) },
        { kSecondPriceMode, m_secondPriceMode }, { kCreditKept, m_creditKept }, { kMultiVend, m_multiVend },
        { kPricesShown, m_pricesShown }, { kPaxioEnabled, m_paxioEnabled },
        { kCashless1RemoteSelection, m_cashless1RemoteSelection },
        { kCashless2RemoteSelection, m_cashless2RemoteSelection } });
}

void PaymentSettings::setPaxioEnabled(bool enabled)
{
    if (m_paxioEnabled == enabled)
        return;
    m_paxioEnabled = enabled;
    emit paxioEnabledChanged(enabled);
}

void PaymentSettings::setCashless1RemoteSelection(bool enabled)
{
    if (m_cashless1RemoteSelection == enabled)
        return;
    m_cashless1RemoteSelection = enabled;
    emit cashless1RemoteSelectionChanged(enabled);
}

void PaymentSettings::setCashless2RemoteSelection(bool enabled)
{
    if (m_cashless2RemoteSelection == enabled)
        return;
    m_cashless2RemoteSelection = enabled;
    emit cashless2RemoteSelectionChanged(enabled);
}
