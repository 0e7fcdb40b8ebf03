#pragma once

#include <QObject>

namespace lea {
namespace hardware {

/// Accessor of component tests.
class TestComponents : public QObject
{
    Q_OBJECT

public:
    ~TestComponents() override = default;

protected:
    explicit TestComponents(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace hardware
} // namespace lea
