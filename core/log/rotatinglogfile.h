#pragma once

#include <memory>
#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>

/// How a rotating log file buffers and how many full files it keeps.
struct RotatingLogFileConfiguration
{
    /// Unwritten bytes, in KiB, after which a write goes to the disk without waiting for sync().
    float flushAfterKiB = 2.5f;
    /// Full files kept beside the current one ("<file>.1" is the newest of them).
    int keptFiles = 1;
    /// Every write goes to the disk at once.
    bool syncEachWrite = false;
};

/// A log file that moves on to a fresh file when it reaches its size limit,
/// keeping a fixed number of full files, and reads its lines back whole or by page.
class RotatingLogFile : public QObject
{
    Q_OBJECT

public:
    enum Order : int {
        OldestFirst = 0,
        NewestFirst = 1,
    };

    explicit RotatingLogFile(const RotatingLogFileConfiguration& configuration, QObject* parent = nullptr);
    ~RotatingLogFile() override;

    /// Bytes after which the current file is full; 0 never rotates.
    quint64 sizeLimit() const { return m_sizeLimit; }
    void setSizeLimit(quint64 limit) { m_sizeLimit = limit; }
    /// Non-zero: every write goes to the disk at once.
    void setSyncEachWrite(int syncEachWrite) { m_configuration.syncEachWrite = syncEachWrite != 0; }
    void setPrimaryFileName(const QString& fileName) { m_file.setFileName(fileName); }
    QString primaryFileName() const { return m_file.fileName(); }
    /// The current file; open it before the first write.
    QFile& file() { return m_file; }

    /// Appends `bytes`, first moving on to a fresh file when they would overfill the current one.
    /// False when the file is not open or refuses them.
    bool write(const QByteArray& bytes);
    /// Puts every buffered byte on the disk.
    void sync();

    /// Every line of the kept files and the current one.
    QString totalContent(Order order);
    /// Lines `page * linesPerPage` onwards, at most `linesPerPage` of them.
    QString pageContent(unsigned int page, unsigned int linesPerPage, Order order);

private:
    QStringList lines(Order order);
    QString keptFileName(int number) const;
    void rotate();

    RotatingLogFileConfiguration m_configuration;
    quint64 m_sizeLimit = 0;
    QFile m_file;
    qint64 m_unflushed = 0;
};
