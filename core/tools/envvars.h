#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace vqtools {
namespace envvar {

/// Switches of the machine's software read from the process environment: a
/// switch is on when its variable is set to anything but "" or "0".
class EnvVars
{
public:
    enum Var : int {
        IgnoreInternetDate, ///< "VQ_IGNORE_INTERNET_DATE": keep the machine's date when setting the time
    };

    static bool isSet(Var var)
    {
        const QByteArray value = qgetenv(name(var));
        return !value.isEmpty() && value != "0";
    }

    static const char* name(Var var)
    {
        switch (var) {
        case IgnoreInternetDate:
            return "VQ_IGNORE_INTERNET_DATE";
        }
        return "";
    }
};

} // namespace envvar
} // namespace vqtools
