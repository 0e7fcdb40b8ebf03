#include "core/gui/timecleaning.h"

TimeCleaning::TimeCleaning(QObject* parent)
    : QObject(parent)
{
}

TimeCleaning::~TimeCleaning() = default;
