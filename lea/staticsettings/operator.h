#pragma once

#include <QObject>
#include <QString>

namespace lea {
namespace staticsettings {

/// Accessor of operator data.
class Operator : public QObject
{
    Q_OBJECT

public:
    /// How to reach the operator who runs the machine.
    struct Informations
    {
        QString name;
        QString address;
        QString phone;
        QString email;
    };

    ~Operator() override = default;

    virtual Informations informations() const = 0;

protected:
    explicit Operator(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace staticsettings
} // namespace lea
