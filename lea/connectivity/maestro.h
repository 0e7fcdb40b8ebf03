#pragma once

#include <QObject>
#include <QString>

namespace lea {
namespace connectivity {

/// Accessor of the Maestro service.
class Maestro : public QObject
{
    Q_OBJECT

public:
    /// What the Maestro client runs.
    struct Versions
    {
        QString sdkVersion;
        QString uiVersion;
    };

    ~Maestro() override = default;

public slots:
    /// The client reports its versions.
    virtual void versionsChanged(const lea::connectivity::Maestro::Versions& versions) = 0;

protected:
    explicit Maestro(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
