#pragma once

#include <cstdint>
#include <QObject>

namespace lea {
namespace persistence {

/// Accessor of the machine log and custom logs.
class Logs : public QObject
{
    Q_OBJECT

public:
    enum Level : int32_t {
        Trace = 0,
        Debug = 1,
        Warning = 2,
        Error = 3,
        Fatal = 4,
    };

    ~Logs() override = default;

protected:
    explicit Logs(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace persistence
} // namespace lea
