#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/hardware/pump.h"
#include "core/settings/settingsstore.h"

#include <QJsonArray>

namespace {

const QString kLayoutKey = QStringLiteral("pumps/layout");

QString calibrationKey(const Pump& pump)
{
    return QStringLiteral("pumps/%1").arg(pump.number());
}

// Physical pump 7 serves no logical pump; logical pump 8 does not exist.
QJsonArray defaultLayout()
{
    QJsonArray layout;
    for (int id = 1; id <= InputsOutputs::LastLogicalPump; ++id)
        layout.append(id == 8 ? int(InputsOutputs::NoLogicalPump) : id);
    return layout;
}

} // namespace

void Configuration::loadPumps()
{
    const SettingsStore& store = *m_group.settingsStore();
    const QJsonArray layout = store.value(kLayoutKey, defaultLayout()).toArray();
    for (int number = 0; number < layout.size(); ++number) {
        const int id = layout.at(number).toInt();
        if (id < InputsOutputs::NoLogicalPump || id > InputsOutputs::LastLogicalPump)
            continue;
        auto* pump = new Pump(number, static_cast<InputsOutputs::LogicalPumpId>(id), this);
        const QJsonArray calibration = store.value(calibrationKey(*pump)).toArray();
        if (calibration.size() == 2) {
            pump->setCalibrationMin(calibration.at(0).toInt());
            pump->setCalibrationMax(calibration.at(1).toInt());
        }
        m_pumps.insert(number, pump);
    }
}

Pump* Configuration::pump(InputsOutputs::LogicalPumpId id) const
{
    for (Pump* pump : m_pumps) {
        if (pump->logicalId() == id)
            return pump;
    }
    return nullptr;
}

bool Configuration::savePump(Pump* pump)
{
    return savePumps({ pump });
}

bool Configuration::savePumps(const QList<Pump*>& pumps)
{
    QJsonObject values;
    for (const Pump* pump : pumps) {
        if (pump)
            values.insert(
                calibrationKey(*pump), QJsonArray { pump->calibrationMin(), pump->calibrationMax() });
    }
    return m_group.settingsStore()->setValues(values);
}
