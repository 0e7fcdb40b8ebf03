#include "bridge/sharedsignal.h"

namespace bridge {

SharedSignal::SharedSignal(QObject* parent)
    : QObject(parent)
{
}

} // namespace bridge
