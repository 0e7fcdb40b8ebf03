#pragma once

#include <QObject>

class InputsCheck;
namespace Parameters {
class ParametersLimits;
} // namespace Parameters

/// The core's hardware side: machine model, hardware settings and the inputs
/// the controller board reads.
class HardwareEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit HardwareEnvironment(QObject* parent = nullptr);
    ~HardwareEnvironment() override;

    InputsCheck* inputsCheck() const { return m_inputsCheck; }
    /// The ranges the machine allows for its parameters.
    Parameters::ParametersLimits* parametersLimits() const { return m_parametersLimits; }

private:
    InputsCheck* m_inputsCheck;
    Parameters::ParametersLimits* m_parametersLimits;
};

extern HardwareEnvironment* gHardwareEnv;
