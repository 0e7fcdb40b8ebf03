#pragma once

#include <QString>

/// The machine's directories and files for media, downloads, logs and updates.
/// Every entry lies under one root (the machine's "/home/root/" unless the
/// simulator is given another); directories end with a separator, so that a
/// sub-directory's name can simply be appended.
class Path
{
public:
    enum Entry : int {
        PlaylistImages,
        PlaylistVideos,
        DownloadTemporaries,
        DownloadBase,
        Credits,
        Paxio,
        Intis,
        Logs,
        NewDigitalPersistent,
        NewDigital,
        MachineFactorySettingsFile,
        Customizations,
        WebUiCustomizations,
        Application,
        /// Where updates installed at the next boot go when the application's own place does not apply.
        UpdateAtNextBoot,
    };

    static QString defaultRoot() { return QStringLiteral("/home/root/"); }

    QString root() const { return m_root; }
    /// Moves every entry under `root` (a separator is added when missing).
    void setRoot(const QString& root);
    QString path(Entry entry) const;

private:
    QString m_root = defaultRoot();
};
