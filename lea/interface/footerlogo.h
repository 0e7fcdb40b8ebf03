#pragma once

#include <QFileInfo>
#include <QObject>

namespace lea {
namespace interface {

/// Accessor of the footer logo image file.
class FooterLogo : public QObject
{
    Q_OBJECT

public:
    ~FooterLogo() override = default;

    virtual QFileInfo footerLogo() const = 0;
    virtual void setFooterLogo(const QFileInfo& file) = 0;

signals:
    void changed();

protected:
    explicit FooterLogo(QObject* parent)
        : QObject(parent)
    {
    }
};

} // namespace interface
} // namespace lea
