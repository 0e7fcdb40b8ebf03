#include "core/tools/envvars.h"

#include <QtGlobal>

namespace {

bool& macas()
{
    static bool value = qEnvironmentVariableIntValue("VENDING_MACAS") != 0;
    return value;
}

} // namespace

bool EnvVars::isSet(Bool variable)
{
    return variable == Macas && macas();
}

void EnvVars::set(Bool variable, bool value)
{
    if (variable == Macas)
        macas() = value;
}
