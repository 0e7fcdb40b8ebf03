#pragma once

#include "core/catalogue/abstractpreparationstep.h"

/// Water through the tea brewer.
class TeapreparationStep : public AbstractPreparationStep
{
    Q_OBJECT

public:
    explicit TeapreparationStep(QObject* parent = nullptr);
};
