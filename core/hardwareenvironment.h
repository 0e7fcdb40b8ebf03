#pragma once

#include <QObject>

/// The core's hardware side: machine model and hardware settings.
class HardwareEnvironment : public QObject
{
    Q_OBJECT

public:
    explicit HardwareEnvironment(QObject* parent = nullptr);
    ~HardwareEnvironment() override;
};

extern HardwareEnvironment* gHardwareEnv;
