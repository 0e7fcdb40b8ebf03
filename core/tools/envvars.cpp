#include "core/tools/envvars.h"

#include <QtGlobal>

namespace {

bool fromEnvironment(const char* name)
{
    return qEnvironmentVariableIntValue(name) == 1;
}

bool& switchValue(EnvVars::Switch name)
{
    static bool macas = fromEnvironment("VQ_MACAS");
    static bool ignoreInternetDate = fromEnvironment("VQ_IGNORE_INTERNET_DATE");
    return name == EnvVars::Macas ? macas : ignoreInternetDate;
}

} // namespace

bool EnvVars::value(Switch name)
{
    return switchValue(name);
}

void EnvVars::setValue(Switch name, bool on)
{
    switchValue(name) = on;
}
