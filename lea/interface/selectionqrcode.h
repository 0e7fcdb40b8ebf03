#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the selection QR code.
class SelectionQRCode : public QObject
{
    Q_OBJECT

public:
    ~SelectionQRCode() override = default;

protected:
    explicit SelectionQRCode(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
