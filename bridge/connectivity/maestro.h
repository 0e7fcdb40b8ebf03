#pragma once

#include "lea/connectivity/maestro.h"

namespace bridge {
namespace connectivity {

class MaestroImageHandler;

/// Records the Maestro client's versions in the core; its image handler
/// keeps the used products' images in the local image store.
class Maestro : public lea::connectivity::Maestro
{
    Q_OBJECT

public:
    explicit Maestro(QObject* parent);
    ~Maestro() override;

    MaestroImageHandler* imageHandler() const { return m_imageHandler; }

public slots:
    void versionsChanged(const Versions& versions) override;

private:
    MaestroImageHandler* m_imageHandler;
};

} // namespace connectivity
} // namespace bridge
