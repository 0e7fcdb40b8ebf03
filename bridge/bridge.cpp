#include "bridge/bridge.h"

#include "bridge/connectivity/factory.h"
#include "bridge/hardware/factory.h"
#include "bridge/interface/factory.h"
#include "bridge/maintenance/factory.h"
#include "bridge/misc/factory.h"
#include "bridge/payment/factory.h"
#include "bridge/persistence/factory.h"
#include "bridge/products/factory.h"
#include "bridge/qml/amicloproperties.h"
#include "bridge/qml/newdigitalproperties.h"
#include "bridge/qml/televendproperties.h"
#include "bridge/staticsettings/factory.h"
#include "bridge/statistics/factory.h"
#include "lea/helpers/makeunique.h"

#include <QQmlContext>
#include <QQmlEngine>

namespace bridge {

// Members are built in declaration order; should one allocation fail, those
// already built are released before the exception leaves.
Bridge::Bridge()
    : m_interface(lea::helpers::make_unique<interface::Factory>())
    , m_hardware(lea::helpers::make_unique<hardware::Factory>())
    , m_misc(lea::helpers::make_unique<misc::Factory>())
    , m_staticSettings(lea::helpers::make_unique<staticsettings::Factory>())
    , m_statistics(lea::helpers::make_unique<statistics::Factory>())
    , m_products(lea::helpers::make_unique<products::Factory>())
    , m_payment(lea::helpers::make_unique<payment::Factory>())
    , m_maintenance(lea::helpers::make_unique<maintenance::Factory>())
    , m_persistence(lea::helpers::make_unique<persistence::Factory>())
    , m_connectivity(lea::helpers::make_unique<connectivity::Factory>())
{
}

Bridge::~Bridge() = default;

namespace {

/// The QML module of the library's types: `import VendingBridge 1.0`.
const char* const kQmlModule = "VendingBridge";

// A type registered twice would be listed twice in the module.
void registerQmlTypes()
{
    static const bool registered = [] {
        qmlRegisterUncreatableType<qml::AmiCloProperties>(kQmlModule, 1, 0, "AmiCloProperties",
            QStringLiteral("AmiClo properties can only be created from the bridge."));
        return true;
    }();
    Q_UNUSED(registered)
}

/// Publishes a process-wide object, which no engine may delete.
void publish(QQmlContext& context, const QString& name, QObject* object)
{
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    context.setContextProperty(name, object);
}

} // namespace

void Bridge::exposeToQml(QQmlContext& context)
{
    registerQmlTypes();
    publish(context, QStringLiteral("AmiClo"), qml::AmiCloProperties::instance());
    publish(context, QStringLiteral("Televend"), qml::TelevendProperties::instance());
    publish(context, QStringLiteral("NewDigital"), qml::NewDigitalProperties::instance());
}

} // namespace bridge
