#pragma once

#include <QMap>
#include <QObject>

/// One payment device of the machine: a coin changer, a bill validator, a
/// cashless reader or a coin validator.
class AbstractPaymentDevice : public QObject
{
    Q_OBJECT

public:
    enum Category : int {
        Other = 0,
        ChangeGiver = 1,
        BillValidator = 2,
        Cashless = 3,
        CoinValidator = 4,
    };

    /// A coin or bill the device handles: how many it holds of which value.
    struct Token
    {
        int quantity = 0;
        int value = 0;
    };

    ~AbstractPaymentDevice() override;

    Category category() const { return m_category; }
    /// The device's number on its bus.
    int typeNumber() const { return m_typeNumber; }
    void setTypeNumber(int number) { m_typeNumber = number; }

    /// Whether the device answered on its bus.
    bool isPresent() const { return m_present; }
    void setPresent(bool present);

    /// The credit the device holds for `selector`, the price line a credit is
    /// good for; -1 for the credit of every line.
    int credit(int selector) const;
    /// Simulator hook: the device took or gave back money.
    void setCredit(int selector, int amount);

signals:
    void presentChanged();

protected:
    AbstractPaymentDevice(Category category, int typeNumber, QObject* parent);

private:
    Category m_category;
    int m_typeNumber;
    bool m_present = false;
    QMap<int, int> m_credits;
};
