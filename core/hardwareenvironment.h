#pragma once

#include <QObject>

class HardwareSettings;
class InputsCheck;

/// The core's hardware side: machine model, hardware settings and the inputs
/// the controller board reads.
class HardwareEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit HardwareEnvironment(QObject* parent = nullptr);
    ~HardwareEnvironment() override;

    InputsCheck* inputsCheck() const { return m_inputsCheck; }
    HardwareSettings* hardwareSettings() const { return m_hardwareSettings; }

private:
    InputsCheck* m_inputsCheck;
    HardwareSettings* m_hardwareSettings;
};

extern HardwareEnvironment* gHardwareEnv;
