#include "bridge/maintenance/configurations.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationmanager.h"
#include "core/configuration/pathregistry.h"
#include "core/coreenvironment.h"

#include <QFileInfo>

namespace bridge {
namespace maintenance {

namespace {

/// A name that stays a file name in the directory it is joined to.
bool isFileBaseName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.contains(QLatin1Char('\0'));
}

} // namespace

Configurations::Configurations(QObject* parent)
    : lea::maintenance::Configurations(parent)
{
}

Configurations::~Configurations() = default;

nonstd::optional<Configurations::Configuration> Configurations::configuration() const
{
    const ::Configuration* loaded = gCoreEnv->configuration();
    if (!loaded)
        return nonstd::nullopt;
    utils::checkCoreId(loaded->id());
    const QString path = gCoreEnv->configurationManager()->configurationGroupPath();
    return Configuration { loaded->id(), QFileInfo(path).completeBaseName() };
}

bool Configurations::selectConfiguration(const Configuration& configuration)
{
    const utils::FailureLog log(Q_FUNC_INFO, Log::Configuration);
    if (!isFileBaseName(configuration.name)) {
        log.warning("Not a configuration name");
        return false;
    }
    const QString path = gCoreEnv->pathRegistry()->configurationDatabaseDirectory() + QLatin1Char('/')
        + configuration.name + QStringLiteral(".sqlite");
    // Opening a missing database would create an empty one.
    if (!QFileInfo(path).isFile()) {
        log.warning("No such configuration database");
        return false;
    }
    ConfigurationManager& manager = *gCoreEnv->configurationManager();
    const QString previous = manager.configurationGroupPath();
    if (!log.stored(manager.setConfigurationGroup(path), "Cannot open the configuration database"))
        return false;
    if (manager.setConfiguration(configuration.id))
        return true;
    log.error("No such configuration in the database");
    // Back to what the machine ran on: a refusal changes nothing.
    if (!previous.isEmpty() && manager.setConfigurationGroup(previous))
        manager.setConfiguration(::Configuration::GroupConfigurationId);
    return false;
}

bool Configurations::restoreFactory(const QString& name)
{
    const utils::FailureLog log(Q_FUNC_INFO, Log::Configuration);
    if (!isFileBaseName(name)) {
        log.warning("Not a configuration name");
        return false;
    }
    const QString path = gCoreEnv->pathRegistry()->factoryDatabaseDirectory() + QLatin1Char('/') + name
        + QStringLiteral(".sqlite.factory");
    return log.stored(gCoreEnv->configurationManager()->restoreConfigurationGroupFromFactory(path),
        "Cannot restore the factory configuration");
}

} // namespace maintenance
} // namespace bridge
