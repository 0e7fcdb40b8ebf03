#include "core/statistics/statistics.h"

Statistics::Statistics(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<Statistics::ConnectivityVendEvent>();
    qRegisterMetaType<Statistics::ConnectivityInfusionTimeEvent>();
    qRegisterMetaType<Statistics::ConnectivityTelemetryEvent>();
}

Statistics::~Statistics() = default;
