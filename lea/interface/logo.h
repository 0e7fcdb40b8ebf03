#pragma once

#include <QFileInfo>
#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the machine's main logo image file.
class Logo : public QObject
{
    Q_OBJECT

public:
    ~Logo() override = default;

    virtual QFileInfo logo() const = 0;
    virtual void setLogo(const QFileInfo& file) = 0;

signals:
    void changed();

protected:
    explicit Logo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
