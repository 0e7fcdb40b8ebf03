#pragma once

#include <QObject>

namespace lea {
namespace connectivity {

/// Accessor of touchless selection.
class Touchless : public QObject
{
    Q_OBJECT

public:
    ~Touchless() override = default;

protected:
    explicit Touchless(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace connectivity
} // namespace lea
