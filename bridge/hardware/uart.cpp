#include "bridge/hardware/uart.h"

#include "bridge/hardware/uartfeatureenumconverter.h"
#include "core/coreenvironment.h"
#include "core/machine/machine.h"
#include "core/machine/uartmanager.h"

namespace bridge {
namespace hardware {

UART::UART(QObject* parent)
    : lea::hardware::UART(parent)
{
    connect(gCoreEnv->machine()->uartManager(), &UARTManager::activeFeatureChanged, this,
        &UART::availableForChanged);
}

UART::~UART() = default;

bool UART::availableFor(Feature feature) const
{
    const nonstd::optional<UARTSupportedFeature> wanted = UARTFeatureEnumConverter::toInternalOpt(feature);
    return wanted && *wanted == gCoreEnv->machine()->uartManager()->activeFeature();
}

} // namespace hardware
} // namespace bridge
