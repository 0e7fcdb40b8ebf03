#pragma once

#include "core/payment/executiveremoteselection.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>

namespace payment {
namespace hi {

/// The host interface to the mobile payment terminal: remote selections,
/// files in both directions, and the executive alignment.
class HiManager : public QObject
{
    Q_OBJECT

public:
    enum FileType : int {
        Configuration = 0,
        Firmware = 1,
        Audit = 2,
    };
    Q_ENUM(FileType)

    /// States 2 and 3 move a file.
    enum State : int {
        Idle = 0,
        Connected = 1,
        SendingFile = 2,
        ReceivingFile = 3,
    };

    explicit HiManager(QObject* parent = nullptr);
    ~HiManager() override;

    int state() const { return m_state; }
    /// Simulator hook; any number the terminal reports.
    void setState(int state);
    bool isExecutiveAlignmentPending() const { return m_alignmentPending; }
    void setExecutiveAlignmentPending(bool pending);

    /// Sends a file to the terminal; the terminal's confirmation arrives as fileSentToDevice().
    void sendFileToDevice(FileType type, const QByteArray& data);
    /// The files sent so far, oldest first.
    QList<QPair<FileType, QByteArray>> sentFiles() const { return m_sentFiles; }

    // Simulator hooks: what the terminal sends.
    void receiveFile(FileType type, const QByteArray& data) { emit fileFromDevice(type, data); }
    void confirmFileSent(FileType type, const QByteArray& data) { emit fileSentToDevice(type, data); }
    void selectRemotely(const Executive::RemoteSelection& selection) { emit remoteSelection(selection); }

signals:
    void fileFromDevice(payment::hi::HiManager::FileType type, const QByteArray& data);
    void fileSentToDevice(payment::hi::HiManager::FileType type, const QByteArray& data);
    void remoteSelection(const Executive::RemoteSelection& selection);
    void executiveAlignmentPendingChanged();
    void stateChanged();

private:
    int m_state = Idle;
    bool m_alignmentPending = false;
    QList<QPair<FileType, QByteArray>> m_sentFiles;
};

} // namespace hi
} // namespace payment
