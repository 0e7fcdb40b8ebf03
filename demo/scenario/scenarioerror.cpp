#include "demo/scenario/scenarioerror.h"

namespace scenario {

QString ScenarioError::text() const
{
    QString text = file;
    if (line > 0)
        text += QLatin1Char(':') + QString::number(line);
    text += QStringLiteral(": ");
    if (!field.isEmpty())
        text += field + QStringLiteral(": ");
    return text + message;
}

} // namespace scenario
