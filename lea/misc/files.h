#pragma once

#include <QObject>

namespace lea {
namespace misc {

/// Accessor of files.
class Files : public QObject
{
    Q_OBJECT

public:
    ~Files() override = default;

protected:
    explicit Files(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace misc
} // namespace lea
