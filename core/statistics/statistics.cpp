#include "core/statistics/statistics.h"

Statistics::Statistics(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<Statistics::ConnectivityVendEvent>();
    qRegisterMetaType<Statistics::ConnectivityInfusionTimeEvent>();
}

Statistics::~Statistics() = default;
