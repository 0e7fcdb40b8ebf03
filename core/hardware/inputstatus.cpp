#include "core/hardware/inputstatus.h"

const QMap<InputStatus::State, QString>& InputStatus::inputStatusStatesMap()
{
    static const QMap<State, QString> texts { { On, QStringLiteral("ON") }, { Off, QStringLiteral("OFF") },
        { Closed, QStringLiteral("CLOSED") }, { Open, QStringLiteral("OPEN") },
        { Empty, QStringLiteral("EMPTY") }, { Full, QStringLiteral("FULL") } };
    return texts;
}
