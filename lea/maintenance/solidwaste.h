#pragma once

#include <QObject>

namespace lea {
namespace maintenance {

/// Accessor of the solid-waste container.
class SolidWaste : public QObject
{
    Q_OBJECT

public:
    ~SolidWaste() override = default;

protected:
    explicit SolidWaste(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace maintenance
} // namespace lea
