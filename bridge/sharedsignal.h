#pragma once

#include <QObject>

namespace bridge {

/// Lets every instance of an accessor class learn that one of them changed
/// data they share: each instance relays signal() to its own change signal.
class SharedSignal : public QObject
{
    Q_OBJECT

public:
    explicit SharedSignal(QObject* parent = nullptr);

signals:
    void signal();
};

} // namespace bridge
