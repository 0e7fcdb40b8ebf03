#include "bridge/maintenance/failuresconverter.h"

#include "bridge/utils.h"
#include "core/machine/failure.h"

namespace bridge {

lea::maintenance::Failures::FailureInfo FailuresConverter::coreFailureToLeaFailureData(const Failure& failure)
{
    lea::maintenance::Failures::FailureInfo info;
    info.name = failure.name();
    info.translations = utils::translationsFromQm(QStringLiteral("Machine"), info.name);
    info.blocking = failure.isBlocking();
    info.resetAtStart = failure.isResetAtStart();
    info.displayed = failure.isDisplayed();
    info.logged = failure.isLogged();
    return info;
}

} // namespace bridge
