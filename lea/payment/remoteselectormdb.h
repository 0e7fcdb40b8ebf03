#pragma once

#include <QObject>

namespace lea {
namespace payment {

/// Accessor of the MDB remote selector.
class RemoteSelectorMdb : public QObject
{
    Q_OBJECT

public:
    ~RemoteSelectorMdb() override = default;

protected:
    explicit RemoteSelectorMdb(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
