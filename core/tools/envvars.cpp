#include "core/tools/envvars.h"

#include "nonstd/optional.hpp"

#include <QByteArray>
#include <QtGlobal>

namespace {

nonstd::optional<bool>& override(EnvVars::Bool variable)
{
    static nonstd::optional<bool> overrides[2];
    return overrides[variable == EnvVars::Macas ? 0 : 1];
}

} // namespace

bool EnvVars::isSet(Bool variable)
{
    if (const nonstd::optional<bool>& value = override(variable))
        return *value;
    const QByteArray value = qgetenv(name(variable));
    return !value.isEmpty() && value != "0";
}

const char* EnvVars::name(Bool variable)
{
    return variable == Macas ? "VENDING_MACAS" : "VQ_IGNORE_INTERNET_DATE";
}

void EnvVars::set(Bool variable, bool value)
{
    override(variable) = value;
}
