#pragma once

#include "lea/payment/remoteselectionmdb.h"

#include <QObject>

namespace lea {
namespace payment {

/// Accessor of the MDB remote selector: vends that a cashless device asks
/// for, passed to the user interface when the product can be sold.
class RemoteSelectorMdb : public QObject
{
    Q_OBJECT

public:
    ~RemoteSelectorMdb() override = default;

signals:
    void remoteSelectionMdb(lea::payment::RemoteSelectionMdb& selection);

protected:
    explicit RemoteSelectorMdb(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
