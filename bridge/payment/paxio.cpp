#include "bridge/payment/paxio.h"

#include "bridge/payment/paxiofiletypeenumconverter.h"
#include "core/coreenvironment.h"
#include "core/log/logformatter.h"
#include "core/payment/payment.h"

#include <exception>

namespace bridge {
namespace payment {

namespace {

::payment::hi::HiManager& hiManager()
{
    return *gCoreEnv->payment()->hiManager();
}

// The states in which the terminal moves a file.
bool isTransferState(int state)
{
    return state == ::payment::hi::HiManager::SendingFile || state == ::payment::hi::HiManager::ReceivingFile;
}

// The interface's file type; one it has none for is logged under `signature`.
nonstd::optional<lea::payment::Paxio::FileType> leaFileType(
    ::payment::hi::HiManager::FileType type, const char* signature)
{
    const auto leaType = PaxioFileTypeEnumConverter::toExternalOpt(type);
    if (!leaType)
        LogFormatter(LogLevel::Warning).log(Log::Payment) << signature << "Unknown file type" << int(type);
    return leaType;
}

} // namespace

Paxio::Paxio(QObject* parent)
    : lea::payment::Paxio(parent)
{
    ::payment::hi::HiManager* source = &hiManager();
    connect(source, &::payment::hi::HiManager::fileFromDevice, this, &Paxio::onFileFromDevice);
    connect(source, &::payment::hi::HiManager::fileSentToDevice, this, &Paxio::onFileSentToDevice);
    connect(source, &::payment::hi::HiManager::remoteSelection, this, &Paxio::onRemoteSelection);
    connect(source, &::payment::hi::HiManager::executiveAlignmentPendingChanged, this,
        &Paxio::executiveAlignmentPendingChanged);
    connect(source, &::payment::hi::HiManager::stateChanged, this, &Paxio::onHiManagerStateChanged);
    onHiManagerStateChanged();
}

Paxio::~Paxio() = default;

void Paxio::fileToDevice(lea::payment::Paxio::FileType type, const QByteArray& data)
{
    hiManager().sendFileToDevice(PaxioFileTypeEnumConverter::toInternalOrThrow(type), data);
}

bool Paxio::isExecutiveAlignmentPending() const
{
    return hiManager().isExecutiveAlignmentPending();
}

void Paxio::setFileTransferInProgress(bool inProgress)
{
    if (inProgress == m_fileTransferInProgress)
        return;
    m_fileTransferInProgress = inProgress;
    emit fileTransferInProgressChanged();
}

lea::connectivity::RemoteSelection Paxio::leaRemoteSelection(const Executive::RemoteSelection& selection)
{
    lea::connectivity::RemoteSelection record;
    record.itemNumber = selection.itemNumber;
    // QMap iterates in ascending key order.
    for (auto it = selection.preselections.cbegin(); it != selection.preselections.cend(); ++it)
        record.preselections.push_back({ it.key() & 3, quint16(it.key() >> 4), it.value() });
    return record;
}

void Paxio::onFileFromDevice(::payment::hi::HiManager::FileType type, const QByteArray& data)
{
    if (const auto leaType = leaFileType(type, Q_FUNC_INFO))
        emit fileFromDevice(*leaType, data);
}

void Paxio::onFileSentToDevice(::payment::hi::HiManager::FileType type, const QByteArray& data)
{
    if (const auto leaType = leaFileType(type, Q_FUNC_INFO))
        emit fileSentToDevice(*leaType, data);
}

void Paxio::onRemoteSelection(const Executive::RemoteSelection& selection)
{
    if (selection.itemNumber < 0) {
        LogFormatter(LogLevel::Warning).log(Log::Payment)
            << Q_FUNC_INFO << "Invalid product item number" << selection.itemNumber;
        return;
    }
    lea::connectivity::RemoteSelection record = leaRemoteSelection(selection);
    emit remoteSelection(record);
}

void Paxio::onHiManagerStateChanged()
{
    setFileTransferInProgress(isTransferState(hiManager().state()));
}

} // namespace payment
} // namespace bridge
