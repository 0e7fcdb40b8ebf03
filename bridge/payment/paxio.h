#pragma once

#include "core/payment/executiveremoteselection.h"
#include "core/payment/himanager.h"
#include "lea/payment/paxio.h"

namespace bridge {
namespace payment {

/// The mobile payment terminal through the payment object's host interface:
/// its remote selections and files are relayed, files are sent to it, and
/// whether it moves a file or waits for the executive alignment is reported.
class Paxio : public lea::payment::Paxio
{
    Q_OBJECT

public:
    explicit Paxio(QObject* parent);
    ~Paxio() override;

    /// Throws std::invalid_argument for a file type the terminal does not know.
    void fileToDevice(lea::payment::Paxio::FileType type, const QByteArray& data) override;
    bool isExecutiveAlignmentPending() const override;
    bool isFileTransferInProgress() const override { return m_fileTransferInProgress; }

    void setFileTransferInProgress(bool inProgress);

    /// The interface's record of a core selection: preselections in ascending
    /// key order, each key split into its group (bits 0-1) and option (bits 4-15).
    static lea::connectivity::RemoteSelection leaRemoteSelection(const Executive::RemoteSelection& selection);

private slots:
    // A file type without interface counterpart is logged and the file dropped.
    void onFileFromDevice(::payment::hi::HiManager::FileType type, const QByteArray& data);
    void onFileSentToDevice(::payment::hi::HiManager::FileType type, const QByteArray& data);
    void onRemoteSelection(const Executive::RemoteSelection& selection);
    void onHiManagerStateChanged();

private:
    bool m_fileTransferInProgress = false;
};

} // namespace payment
} // namespace bridge
