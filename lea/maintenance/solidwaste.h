#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <utility>

namespace lea {
namespace maintenance {

/// Accessor of the solid-waste container.
class SolidWaste : public QObject
{
    Q_OBJECT

public:
    /// What the machine counts the container's filling in.
    enum Unit : int32_t {
        Grams = 0,
        Dispensings = 1,
    };
    Q_ENUM(Unit)

    /// The container thresholds: full, then warning. Only the pair of the
    /// machine's unit is present.
    struct Settings
    {
        nonstd::optional<std::pair<int32_t, int32_t>> settingsInGramsOpt;
        nonstd::optional<std::pair<int32_t, int32_t>> settingsInDispensingsOpt;
        /// Reserved; never present.
        nonstd::optional<int32_t> reserved;
    };

    ~SolidWaste() override = default;

    virtual Unit unit() const = 0;
    virtual Settings settings() const = 0;
    virtual void setSettings(const Settings& settings) = 0;
    /// How full the container is now, in the machine's unit.
    virtual int solidWaste() const = 0;

protected:
    explicit SolidWaste(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
