#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the footer logo.
class FooterLogo : public QObject
{
    Q_OBJECT

public:
    ~FooterLogo() override = default;

protected:
    explicit FooterLogo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
