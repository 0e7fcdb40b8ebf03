#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

class Product;
class Recipe;

/// The machine's statistics notifications for the connectivity clients.
class Statistics : public QObject
{
    Q_OBJECT

public:
    /// One completed vend.
    struct ConnectivityVendEvent
    {
        /// Set when the vend was paid.
        bool paid = false;
        /// Not owned; may be null.
        Product* product = nullptr;
        /// The price charged, in the smallest unit of the currency.
        int price = 0;
        /// How it was paid ("coins", "cashless", "free"...).
        QString paymentKind;
        int reserved = 0;
        /// The recipe dispensed, for beverages; not owned, may be null.
        Recipe* recipe = nullptr;
    };

    /// One measured infusion (espresso extraction) time.
    struct ConnectivityInfusionTimeEvent
    {
        int id = 0;
        /// In hundredths of a second.
        int time = 0;
    };

    /// One event for the telemetry services: a counter or state of the machine
    /// that changed.
    struct ConnectivityTelemetryEvent
    {
        /// What changed ("door", "coins", ...).
        QString name;
        /// Whether the state is now on.
        bool active = false;
        QString code;
        QString description;
        QDateTime time;
        int value = 0;
        int threshold = 0;
        qint64 count = 0;
        qint64 total = 0;
    };

    explicit Statistics(QObject* parent = nullptr);
    ~Statistics() override;

    void notifyVend(const ConnectivityVendEvent& event) { emit notifyConnectivityVendEvent(event); }
    void notifyInfusionTime(const ConnectivityInfusionTimeEvent& event)
    {
        emit notifyConnectivityInfusionTimeEvent(event);
    }

    void notifyTelemetry(const ConnectivityTelemetryEvent& event)
    {
        emit notifyConnectivityTelemetryEvent(event);
    }

signals:
    void notifyConnectivityVendEvent(const Statistics::ConnectivityVendEvent& event);
    void notifyConnectivityInfusionTimeEvent(const Statistics::ConnectivityInfusionTimeEvent& event);
    void notifyConnectivityTelemetryEvent(const Statistics::ConnectivityTelemetryEvent& event);
};

Q_DECLARE_METATYPE(Statistics::ConnectivityVendEvent)
Q_DECLARE_METATYPE(Statistics::ConnectivityInfusionTimeEvent)
Q_DECLARE_METATYPE(Statistics::ConnectivityTelemetryEvent)
