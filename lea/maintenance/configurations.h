#pragma once

#include "nonstd/optional.hpp"

#include <cstdint>
#include <QObject>
#include <QString>

namespace lea {
namespace maintenance {

/// Accessor of configuration backups and restores.
class Configurations : public QObject
{
    Q_OBJECT

public:
    /// One configuration the machine can run on.
    struct Configuration
    {
        int32_t id = 0;
        /// The base name of its database file.
        QString name;
    };

    ~Configurations() override = default;

    /// The configuration the machine runs on; empty while none is loaded.
    virtual nonstd::optional<Configuration> configuration() const = 0;
    /// Makes the machine run on another configuration.
    virtual bool selectConfiguration(const Configuration& configuration) = 0;
    /// Puts back the factory state of the configuration `name`.
    virtual bool restoreFactory(const QString& name) = 0;

protected:
    explicit Configurations(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
