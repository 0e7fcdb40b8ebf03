#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QDateTime;
class SettingsStore;
class TimeBandDataSettings;

/// The payment settings of a configuration: the payment types of the
/// protocol, the time band switches and a few payment switches. Kept in the
/// configuration group's settings store.
class PaymentSettings : public QObject
{
    Q_OBJECT

public:
    enum PaymentType : int {
        Cash = 0,
        Cashless = 1,
        Mobile = 2,
        /// The executive protocol's price lines.
        Executive = 3,
    };
    Q_ENUM(PaymentType)

    explicit PaymentSettings(QObject* parent = nullptr);
    ~PaymentSettings() override;

    /// The names of the payment types (enumerator names of PaymentType) that the configured protocol uses.
    QStringList paymentTypeModel() const { return m_paymentTypeModel; }
    void setPaymentTypeModel(const QStringList& model) { m_paymentTypeModel = model; }

    /// The time band switches, in their order; owned by the settings.
    QList<TimeBandDataSettings*> states() const { return m_states; }
    void clearStates();
    /// Takes ownership.
    void addState(TimeBandDataSettings* state);
    /// Removes and deletes one of the switches.
    void removeState(TimeBandDataSettings* state);
    /// The band in force at `time`: that of the latest switch at or before it
    /// within the week, the week's last switch before the first one of the
    /// week; of switches at the same moment the later in the list. Band 0
    /// without (valid) switches.
    int bandAt(const QDateTime& time) const;

    /// How second prices apply; 3 shows the second price beside the price.
    int secondPriceMode() const { return m_secondPriceMode; }
    void setSecondPriceMode(int mode) { m_secondPriceMode = mode; }

    /// The credit left after a vend stays for the next one instead of being paid back.
    bool isCreditKept() const { return m_creditKept; }
    void setCreditKept(bool kept) { m_creditKept = kept; }
    /// Several vends may be bought with one credit.
    bool isMultiVend() const { return m_multiVend; }
    void setMultiVend(bool multiVend) { m_multiVend = multiVend; }
    /// Prices are shown to the customer.
    bool arePricesShown() const { return m_pricesShown; }
    void setPricesShown(bool shown) { m_pricesShown = shown; }
    /// The Paxio mobile payment service is switched on.
    bool paxioEnabled() const { return m_paxioEnabled; }
    void setPaxioEnabled(bool enabled);
    /// Products may be selected remotely through cashless device 1 or 2.
    bool cashless1RemoteSelection() const { return m_cashless1RemoteSelection; }
    void setCashless1RemoteSelection(bool enabled);
    bool cashless2RemoteSelection() const { return m_cashless2RemoteSelection; }
    void setCashless2RemoteSelection(bool enabled);

    /// Reads the settings stored under "payment/..." keys, the defaults where
    /// none is stored. A stored switch that is not one is logged and left out.
    void load(const SettingsStore& store);
    /// Stores every setting at once; false, with the store unchanged, when refused.
    bool save(SettingsStore& store) const;

signals:
    void paxioEnabledChanged(bool enabled);
    void cashless1RemoteSelectionChanged(bool enabled);
    void cashless2RemoteSelectionChanged(bool enabled);

private:
    QStringList m_paymentTypeModel { QStringLiteral("Cash"), QStringLiteral("Cashless") };
    QList<TimeBandDataSettings*> m_states;
    int m_secondPriceMode = 0;
    bool m_creditKept = false;
    bool m_multiVend = false;
    bool m_pricesShown = true;
    bool m_paxioEnabled = false;
    bool m_cashless1RemoteSelection = false;
    bool m_cashless2RemoteSelection = false;
};
