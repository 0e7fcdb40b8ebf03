#pragma once

#include <QString>

namespace scenario {

/// Why a scenario file could not be read, and where.
struct ScenarioError
{
    QString file;
    /// 1-based; 0 when the file could not be opened.
    int line = 0;
    /// The path of the field in the file ("timeline[3].event"); empty for the whole file.
    QString field;
    QString message;

    /// "sale.json:12: timeline[3].event: unknown event \"insertCoins\"".
    QString text() const;
};

} // namespace scenario
