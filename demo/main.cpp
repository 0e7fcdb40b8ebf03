// Runs the bridge on the machine simulator and shows what it offers.
#include "bridge/bridge.h"
#include "lea/helpers/foreachaccessor.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

struct Totals
{
    int implemented = 0;
    int missing = 0;
};

template <class Factory>
void printArea(QTextStream& out, const char* area, Factory& factory, Totals& totals)
{
    out << area << '\n';
    lea::helpers::forEachAccessor(factory, [&](auto& imp, auto* tag) {
        using Accessor = std::remove_pointer_t<decltype(tag)>;
        const bool available = imp.hasImp(tag);
        (available ? totals.implemented : totals.missing)++;
        out << "  " << QString::fromLatin1(Accessor::staticMetaObject.className()).leftJustified(48, QLatin1Char('.'))
            << (available ? " implemented" : " not implemented") << '\n';
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    bridge::Bridge bridge;
    Totals totals;
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
    return 0;
}
