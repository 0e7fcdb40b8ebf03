#pragma once

#include <QObject>

/// What the machine's shared serial port can serve.
enum UARTSupportedFeature : int {
    UARTNoFeature = 0,
    UARTCodeScanner = 1,
    UARTTouchlessPayment = 2,
};

/// The machine's shared serial port: it serves one feature at a time.
class UARTManager : public QObject
{
    Q_OBJECT

public:
    explicit UARTManager(QObject* parent = nullptr);
    ~UARTManager() override;

    UARTSupportedFeature activeFeature() const { return m_activeFeature; }
    void setActiveFeature(UARTSupportedFeature feature);

signals:
    void activeFeatureChanged();

private:
    UARTSupportedFeature m_activeFeature = UARTNoFeature;
};
