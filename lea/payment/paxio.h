#pragma once

#include "lea/connectivity/remoteselection.h"

#include <QByteArray>
#include <QObject>

namespace lea {
namespace payment {

/// Accessor of the mobile payment service: remote selections from its
/// terminal, the files exchanged with it, and whether it is busy.
class Paxio : public QObject
{
    Q_OBJECT

public:
    enum FileType : qint32 {
        Configuration = 0,
        Firmware = 1,
        Audit = 2,
    };
    Q_ENUM(FileType)

    ~Paxio() override = default;

    virtual void fileToDevice(lea::payment::Paxio::FileType type, const QByteArray& data) = 0;
    virtual bool isExecutiveAlignmentPending() const = 0;
    virtual bool isFileTransferInProgress() const = 0;

signals:
    void fileFromDevice(lea::payment::Paxio::FileType type, const QByteArray& data);
    void fileSentToDevice(lea::payment::Paxio::FileType type, const QByteArray& data);
    void remoteSelection(lea::connectivity::RemoteSelection& selection);
    void fileTransferInProgressChanged();
    void executiveAlignmentPendingChanged();

protected:
    explicit Paxio(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace payment
} // namespace lea
