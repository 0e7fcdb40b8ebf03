#pragma once

#include <QObject>

namespace lea {
namespace interface {

/// Accessor of native user-interface settings.
class NativeUI : public QObject
{
    Q_OBJECT

public:
    ~NativeUI() override = default;

protected:
    explicit NativeUI(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
