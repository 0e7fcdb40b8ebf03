#pragma once

#include <QObject>

namespace lea {
namespace misc {

/// Accessor of the machine state and the dispensing state.
class States : public QObject
{
    Q_OBJECT

public:
    ~States() override = default;

protected:
    explicit States(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea
