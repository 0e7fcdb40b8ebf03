#include "demo/scenario/scenario.h"

namespace scenario {

QString Scenario::Expectation::text() const
{
    QString text = source + QStringLiteral("::") + signal;
    if (matchArguments)
        text += QLatin1Char('(') + arguments.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

} // namespace scenario
