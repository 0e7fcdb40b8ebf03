#pragma once

#include <QMap>
#include <QString>

/// The states a machine input reports as text, with the texts the controller board uses for them.
class InputStatus
{
public:
    enum State : int {
        On = 0,
        Off = 1,
        Closed = 2,
        Open = 3,
        Empty = 4,
        Full = 5,
    };

    /// The text of every state.
    static const QMap<State, QString>& inputStatusStatesMap();
};
