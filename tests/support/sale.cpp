#include "support/sale.h"

#include "core/coreenvironment.h"
#include "core/payment/payment.h"
#include "core/selection/userselectionmanager.h"

#include <QSignalSpy>
#include <QTest>

bool sellOnMachine(Product& product, int credit)
{
    UserSelectionManager& manager = *gCoreEnv->userSelectionManager();
    QSignalSpy finished(&manager, &UserSelectionManager::vendFinished);
    if (credit > 0)
        gCoreEnv->payment()->addCredit(credit);
    manager.setSelectedProduct(&product);
    manager.buySelectedProduct();
    // A dispensing with step delays runs on timers.
    const bool ended = !finished.isEmpty()
        || (manager.currentState() == UserSelectionManager::Dispensing
            && QTest::qWaitFor([&] { return !finished.isEmpty(); }, 5000));
    return ended && finished.size() == 1 && finished.at(0).at(0).toBool();
}
