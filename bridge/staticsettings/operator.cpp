#include "bridge/staticsettings/operator.h"

#include "bridge/utils.h"
#include "core/configuration/configuration.h"

namespace bridge {
namespace staticsettings {

Operator::Operator(QObject* parent)
    : lea::staticsettings::Operator(parent)
{
}

Operator::~Operator() = default;

lea::staticsettings::Operator::Informations Operator::informations() const
{
    const Configuration* configuration = utils::loadedConfiguration(Q_FUNC_INFO);
    if (!configuration)
        return {};
    const ConfigurationInformation& information = configuration->information();
    return { information.operatorName, information.operatorAddress, information.operatorPhone,
        information.operatorEmail };
}

} // namespace staticsettings
} // namespace bridge
