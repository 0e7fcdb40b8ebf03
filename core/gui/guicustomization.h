#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

/// The operator's customization of the user interface: named images such as
/// the footer logo, each kept as base64 image text.
class GuiCustomization : public QObject
{
    Q_OBJECT

public:
    explicit GuiCustomization(QObject* parent = nullptr);

    /// The image stored under `name`, or an empty array when there is none.
    QByteArray getImage(const QString& name) const;
    /// Stores `base64` under `name`; an empty array removes the image.
    void setImage(const QString& name, const QByteArray& base64);

private:
    QHash<QString, QByteArray> m_images;
};
