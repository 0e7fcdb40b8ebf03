#include "core/statistics/evadtsconfigurationreporthandler.h"

EvadtsConfigurationReportHandler::EvadtsConfigurationReportHandler(QObject* parent)
    : QObject(parent)
{
}

EvadtsConfigurationReportHandler::~EvadtsConfigurationReportHandler() = default;
