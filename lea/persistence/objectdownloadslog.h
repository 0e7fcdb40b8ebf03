#pragma once

#include <QObject>

namespace lea {
namespace persistence {

/// Accessor of the object download log.
class ObjectDownloadsLog : public QObject
{
    Q_OBJECT

public:
    ~ObjectDownloadsLog() override = default;

protected:
    explicit ObjectDownloadsLog(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
