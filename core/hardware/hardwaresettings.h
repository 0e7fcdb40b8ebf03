#pragma once

#include <QObject>

/// How the machine's hardware is fitted, as its hardware settings say.
class HardwareSettings : public QObject
{
    Q_OBJECT

public:
    explicit HardwareSettings(QObject* parent = nullptr);
    ~HardwareSettings() override;

    /// The solid-waste container is weighed (in grams) instead of counted in dispensings.
    bool isGrams() const { return m_grams; }
    void setGrams(bool grams);

signals:
    void gramsChanged(bool grams);

private:
    bool m_grams = false;
};
