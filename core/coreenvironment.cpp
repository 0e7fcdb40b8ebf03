#include "core/coreenvironment.h"

#include "core/configuration/backupmanager.h"
#include "core/configuration/configuration.h"
#include "core/configuration/configurationgroup.h"
#include "core/configuration/configurationmanager.h"
#include "core/configuration/path.h"
#include "core/configuration/pathregistry.h"
#include "core/database/abstractdatabase.h"
#include "core/loyalty/loyaltymanager.h"
#include "core/machine/energysavingtimer.h"
#include "core/machine/machine.h"
#include "core/machine/machineclock.h"
#include "core/machine/rebootmanager.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"

#include <QFileInfo>

CoreEnvironment* gCoreEnv = nullptr;

CoreEnvironment::CoreEnvironment(std::unique_ptr<ConfigurationGroup> group, QObject* parent)
    : QObject(parent)
    , m_group(std::move(group))
    , m_configurationManager(std::make_unique<ConfigurationManager>())
    , m_pathRegistry(std::make_unique<PathRegistry>(
          m_group ? QFileInfo(m_group->database()->filePath()).absolutePath() : QString()))
    , m_path(std::make_unique<Path>())
    , m_machine(std::make_unique<Machine>())
    , m_userSelectionManager(std::make_unique<UserSelectionManager>())
    , m_payment(std::make_unique<Payment>())
    , m_clock(std::make_unique<MachineClock>())
    , m_rebootManager(std::make_unique<RebootManager>())
    , m_backupManager(std::make_unique<BackupManager>())
{
    m_userSelectionManager->follow(m_machine.get(), m_clock.get());
    m_machine->energySavingTimer()->follow(m_clock.get());
}

CoreEnvironment::~CoreEnvironment()
{
    // The configuration refers to the group: it goes first.
    m_configuration.reset();
}

bool CoreEnvironment::processFreeVendCode(const QString& code) const
{
    return m_payment->processFreeVendCode(code);
}

void CoreEnvironment::setLoyaltyManagerFitted(bool fitted)
{
    if (fitted != bool(m_loyaltyManager))
        m_loyaltyManager = fitted ? std::make_unique<core::loyalty::Manager>() : nullptr;
}

Configuration* CoreEnvironment::loadConfiguration()
{
    replaceConfiguration(std::make_unique<Configuration>(*m_group));
    return m_configuration.get();
}

void CoreEnvironment::unloadConfiguration()
{
    replaceConfiguration(nullptr);
}

Configuration* CoreEnvironment::replaceConfigurationGroup(std::unique_ptr<ConfigurationGroup> group)
{
    // Declared first, destroyed last: the configuration going refers to it.
    std::unique_ptr<ConfigurationGroup> previous = std::move(m_group);
    m_group = std::move(group);
    emit configurationGroupChanged();
    replaceConfiguration(std::make_unique<Configuration>(*m_group));
    return m_configuration.get();
}

void CoreEnvironment::replaceConfiguration(std::unique_ptr<Configuration> configuration)
{
    std::unique_ptr<Configuration> previous = std::move(m_configuration);
    m_configuration = std::move(configuration);
    emit configurationChanged(m_configuration.get());
}
