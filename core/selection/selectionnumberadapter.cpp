#include "core/selection/selectionnumberadapter.h"

#include "core/configuration/configurationgroup.h"
#include "core/coreenvironment.h"
#include "core/settings/settingsstore.h"

#include <QJsonObject>

namespace {

const QString kKey = QStringLiteral("ers/selectionNumbers");

SettingsStore* store()
{
    ConfigurationGroup* group = gCoreEnv ? gCoreEnv->configurationGroup() : nullptr;
    return group ? group->settingsStore() : nullptr;
}

// Product id (as text) to selection number.
QJsonObject numbers()
{
    const SettingsStore* settings = store();
    return settings ? settings->value(kKey).toObject() : QJsonObject();
}

} // namespace

nonstd::optional<unsigned char> SelectionNumberAdapter::try_selectionNumber(int productId)
{
    const QJsonValue number = numbers().value(QString::number(productId));
    if (!number.isDouble())
        return nonstd::nullopt;
    return static_cast<unsigned char>(number.toInt());
}

nonstd::optional<int> SelectionNumberAdapter::try_id(unsigned char selectionNumber)
{
    const QJsonObject all = numbers();
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.value().toInt(-1) == selectionNumber)
            return it.key().toInt();
    }
    return nonstd::nullopt;
}

bool SelectionNumberAdapter::setSelectionNumber(int productId, unsigned char selectionNumber)
{
    SettingsStore* settings = store();
    if (!settings)
        return false;
    QJsonObject all = numbers();
    for (auto it = all.begin(); it != all.end();) {
        if (it.value().toInt(-1) == selectionNumber)
            it = all.erase(it);
        else
            ++it;
    }
    all.insert(QString::number(productId), int(selectionNumber));
    return settings->setValue(kKey, all);
}
