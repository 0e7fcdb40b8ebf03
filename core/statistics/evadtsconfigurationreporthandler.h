#pragma once

#include <QObject>

/// Applies the price lists that an EVA-DTS configuration report brings.
class EvadtsConfigurationReportHandler : public QObject
{
    Q_OBJECT

public:
    explicit EvadtsConfigurationReportHandler(QObject* parent = nullptr);
    ~EvadtsConfigurationReportHandler() override;

    /// A report changed the prices (simulator hook).
    void applyPrices() { emit pricesChanged(); }

signals:
    void pricesChanged();
};
