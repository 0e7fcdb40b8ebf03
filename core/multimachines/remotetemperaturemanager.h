#pragma once

#include <QObject>
#include <QString>

/// The fridge temperature that a slave machine reports, as the text it sends (such as "4.5 Â°C").
class RemoteTemperatureManager : public QObject
{
    Q_OBJECT

public:
    explicit RemoteTemperatureManager(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    /// Empty until the slave reported a temperature.
    QString fridgeTemperature() const { return m_fridgeTemperature; }
    void setFridgeTemperature(const QString& temperature)
    {
        if (temperature == m_fridgeTemperature)
            return;
        m_fridgeTemperature = temperature;
        emit fridgeTemperatureChanged();
    }

signals:
    void fridgeTemperatureChanged();

private:
    QString m_fridgeTemperature;
};
