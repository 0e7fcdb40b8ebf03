#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

namespace Parameters {

/// The ranges the machine allows for its parameters, each a map with a "min"
/// and a "max" entry; temperatures in tenths of a degree Celsius.
class ParametersLimits : public QObject
{
    Q_OBJECT

public:
    explicit ParametersLimits(QObject* parent = nullptr);
    ~ParametersLimits() override;

    /// The limits of the running machine; null when no machine runs.
    static ParametersLimits* instance();

    QMap<QString, QVariant> instantTemp_dC() const { return m_instantTemp_dC; }
    void setInstantTemp_dC(const QMap<QString, QVariant>& limits) { m_instantTemp_dC = limits; }
    QMap<QString, QVariant> espressoTemp_dC() const { return m_espressoTemp_dC; }
    void setEspressoTemp_dC(const QMap<QString, QVariant>& limits) { m_espressoTemp_dC = limits; }

    /// The boiler temperatures the energy-saving modes may set.
    QMap<QString, QVariant> espressoBoilerTempSoftMode_dC() const { return m_espressoSoft_dC; }
    void setEspressoBoilerTempSoftMode_dC(const QMap<QString, QVariant>& limits)
    {
        m_espressoSoft_dC = limits;
    }
    QMap<QString, QVariant> instantBoilerTempSoftMode_dC() const { return m_instantSoft_dC; }
    void setInstantBoilerTempSoftMode_dC(const QMap<QString, QVariant>& limits) { m_instantSoft_dC = limits; }
    QMap<QString, QVariant> espressoBoilerTempDeepMode_dC() const { return m_espressoDeep_dC; }
    void setEspressoBoilerTempDeepMode_dC(const QMap<QString, QVariant>& limits)
    {
        m_espressoDeep_dC = limits;
    }
    QMap<QString, QVariant> instantBoilerTempDeepMode_dC() const { return m_instantDeep_dC; }
    void setInstantBoilerTempDeepMode_dC(const QMap<QString, QVariant>& limits) { m_instantDeep_dC = limits; }

private:
    QMap<QString, QVariant> m_espressoSoft_dC;
    QMap<QString, QVariant> m_instantSoft_dC;
    QMap<QString, QVariant> m_espressoDeep_dC;
    QMap<QString, QVariant> m_instantDeep_dC;
    QMap<QString, QVariant> m_instantTemp_dC;
    QMap<QString, QVariant> m_espressoTemp_dC;
};

} // namespace Parameters
