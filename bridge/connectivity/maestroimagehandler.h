#pragma once

#include <QObject>
#include <QPointer>

class CoreEnvironment;

namespace bridge {
namespace connectivity {

/// Keeps the images of the machine's used products in the local image store,
/// where the Maestro client takes them: every change of the used products
/// runs the image pass again. One instance per process, shared by every
/// Maestro accessor.
class MaestroImageHandler : public QObject
{
    Q_OBJECT

public:
    /// The process's handler, made on the first call and destroyed at unload.
    /// Follows the core that exists when it is asked for.
    static MaestroImageHandler* getInstatnce();
    ~MaestroImageHandler() override;

    /// Places the source image of each used product in the store. A product
    /// whose image cannot be written is logged and the others still are.
    void saveProductsImage() const;

private slots:
    void onUsedProductsChanged();

private:
    MaestroImageHandler();
    void followCore();

    QPointer<CoreEnvironment> m_core;
};

} // namespace connectivity
} // namespace bridge
