#include "bridge/staticsettings/endlinetest.h"

#include "bridge/utils.h"
#include "bridge/writerule.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace staticsettings {

EndLineTest::EndLineTest(QObject* parent)
    : lea::staticsettings::EndLineTest(parent)
{
    utils::connectToConfiguration(&Configuration::endLineTestEnabledChanged, this,
        &lea::staticsettings::EndLineTest::endLineTestEnabledChanged);
}

EndLineTest::~EndLineTest() = default;

bool EndLineTest::setEndLineTestEnabled(bool enabled)
{
    Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return false;
    return utils::FailureLog(Q_FUNC_INFO, Log::Database)
        .stored(configuration->setEndLineTestEnabled(enabled), "Failed to save the end-of-line test flag");
}

bool EndLineTest::endLineTestEnabled() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    return configuration && configuration->endLineTestEnabled();
}

} // namespace staticsettings
} // namespace bridge
