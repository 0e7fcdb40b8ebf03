// Lists the accessors that the installed bridge implements, one
// "<area>::<Name>" per line; fails when the factories offer none.
#include "bridge/bridge.h"
#include "lea/helpers/foreachaccessor.h"

#include <cstring>
#include <iostream>
#include <type_traits>

namespace {

template <class Factory> int listImplemented(Factory& factory)
{
    int implemented = 0;
    lea::helpers::forEachAccessor(factory, [&](auto& imp, auto* tag) {
        if (!imp.hasImp(tag))
            return;
        using Accessor = std::remove_pointer_t<decltype(tag)>;
        const char* name = Accessor::staticMetaObject.className();
        const char* prefix = "lea::";
        if (std::strncmp(name, prefix, std::strlen(prefix)) == 0)
            name += std::strlen(prefix);
        std::cout << name << '\n';
        ++implemented;
    });
    return implemented;
}

} // namespace

int main()
{
    bridge::Bridge bridge;
    const int implemented = listImplemented(bridge.interfaceFactory())
        + listImplemented(bridge.hardwareFactory()) + listImplemented(bridge.miscFactory())
        + listImplemented(bridge.staticSettingsFactory()) + listImplemented(bridge.statisticsFactory())
        + listImplemented(bridge.productsFactory()) + listImplemented(bridge.paymentFactory())
        + listImplemented(bridge.maintenanceFactory()) + listImplemented(bridge.persistenceFactory())
        + listImplemented(bridge.connectivityFactory());
    std::cout << implemented << " accessors implemented\n";
    return implemented > 0 ? 0 : 1;
}
