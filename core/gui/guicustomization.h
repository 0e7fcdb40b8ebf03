#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

/// The operator's customization of the user interface: the logo sources,
/// stored in the active group's settings, and named images such as the footer
/// logo, each kept as base64 image text.
class GuiCustomization : public QObject
{
    Q_OBJECT

public:
    explicit GuiCustomization(QObject* parent = nullptr);

    /// The image stored under `name`, or an empty array when there is none.
    QByteArray getImage(const QString& name) const;
    /// Stores `base64` under `name`; an empty array removes the image.
    void setImage(const QString& name, const QByteArray& base64);

    QString logoSource() const { return m_logoSource; }
    void setLogoSource(const QString& source);
    QString logoQuorraFooterSource() const { return m_footerSource; }
    void setLogoQuorraFooterSource(const QString& source);
    /// The footer logo's file, whose name is the footer image's name.
    QString logoQuorraFooter() const { return m_footerSource; }

    /// Stores both sources in the active group's settings; false, with the
    /// store unchanged, when it refuses or no group is active.
    bool save() const;
    /// Reads the sources of the active group (empty without one).
    void load();

signals:
    void logoSourceChanged();
    void logoQuorraFooterSourceChanged();

private:
    QString m_logoSource;
    QString m_footerSource;
    QHash<QString, QByteArray> m_images;
};
