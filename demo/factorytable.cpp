#include "demo/factorytable.h"

#include "bridge/bridge.h"
#include "lea/helpers/foreachaccessor.h"

#include <QTextStream>

namespace {

struct Totals
{
    int implemented = 0;
    int missing = 0;
};

template <class Factory> void printArea(QTextStream& out, const char* area, Factory& factory, Totals& totals)
{
    QStringList implemented;
    QStringList missing;
    lea::helpers::forEachAccessor(factory, [&](auto& imp, auto* tag) {
        using Accessor = std::remove_pointer_t<decltype(tag)>;
        const QString name
            = QString::fromLatin1(Accessor::staticMetaObject.className()).section(QStringLiteral("::"), -1);
        (imp.hasImp(tag) ? implemented : missing) << name;
    });
    totals.implemented += implemented.size();
    totals.missing += missing.size();
    out << QString::fromLatin1(area).leftJustified(15) << implemented.size() << '/'
        << implemented.size() + missing.size();
    if (!implemented.isEmpty())
        out << "  " << implemented.join(QLatin1String(", "));
    out << '\n';
}

} // namespace

void printFactoryTable(QTextStream& out, bridge::Bridge& bridge)
{
    Totals totals;
    out << "Accessors implemented per area\n";
    printArea(out, "interface", bridge.interfaceFactory(), totals);
    printArea(out, "hardware", bridge.hardwareFactory(), totals);
    printArea(out, "misc", bridge.miscFactory(), totals);
    printArea(out, "staticsettings", bridge.staticSettingsFactory(), totals);
    printArea(out, "statistics", bridge.statisticsFactory(), totals);
    printArea(out, "products", bridge.productsFactory(), totals);
    printArea(out, "payment", bridge.paymentFactory(), totals);
    printArea(out, "maintenance", bridge.maintenanceFactory(), totals);
    printArea(out, "persistence", bridge.persistenceFactory(), totals);
    printArea(out, "connectivity", bridge.connectivityFactory(), totals);
    out << totals.implemented << " accessors implemented, " << totals.missing << " not implemented\n";
}
