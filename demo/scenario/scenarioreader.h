#pragma once

#include "demo/scenario/scenario.h"
#include "demo/scenario/scenarioerror.h"
#include "nonstd/optional.hpp"

#include <QByteArray>
#include <QString>

namespace scenario {

/// Reads scenario files (JSON) into `Scenario`s and checks them: every
/// required field present with its type, every name known. The first problem
/// found is reported with the file, line and field path.
class ScenarioReader
{
public:
    struct Result
    {
        nonstd::optional<Scenario> scenario;
        /// Set when `scenario` is empty.
        ScenarioError error;
    };

    /// Reads the file at `path` (a Qt resource path works too).
    static Result readFile(const QString& path);
    /// Reads `text`; `fileName` names it in messages.
    static Result read(const QByteArray& text, const QString& fileName);
};

} // namespace scenario
