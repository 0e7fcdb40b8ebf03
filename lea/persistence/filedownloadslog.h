#pragma once

#include <QObject>

namespace lea {
namespace persistence {

/// Accessor of the file download log.
class FileDownloadsLog : public QObject
{
    Q_OBJECT

public:
    ~FileDownloadsLog() override = default;

protected:
    explicit FileDownloadsLog(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
