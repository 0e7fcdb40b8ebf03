#include "core/log/rotatinglogfile.h"

#include "core/log/logformatter.h"

#include <algorithm>

RotatingLogFile::RotatingLogFile(const RotatingLogFileConfiguration& configuration, QObject* parent)
    : QObject(parent)
    , m_configuration(configuration)
{
}

RotatingLogFile::~RotatingLogFile()
{
    m_file.close();
}

bool RotatingLogFile::write(const QByteArray& bytes)
{
    if (!m_file.isOpen())
        return false;
    if (m_sizeLimit > 0 && m_file.size() > 0 && quint64(m_file.size() + bytes.size()) > m_sizeLimit)
        rotate();
    if (!m_file.isOpen() || m_file.write(bytes) != bytes.size()) {
        LogFormatter(LogLevel::Error).log(Log::Global)
            << Q_FUNC_INFO << m_file.fileName() << m_file.errorString();
        return false;
    }
    m_unflushed += bytes.size();
    if (m_configuration.syncEachWrite || m_unflushed > qint64(m_configuration.flushAfterKiB * 1024))
        sync();
    return true;
}

void RotatingLogFile::sync()
{
    if (m_file.isOpen())
        m_file.flush();
    m_unflushed = 0;
}

QString RotatingLogFile::keptFileName(int number) const
{
    return m_file.fileName() + QLatin1Char('.') + QString::number(number);
}

void RotatingLogFile::rotate()
{
    const QIODevice::OpenMode mode = m_file.openMode();
    m_file.close();
    m_unflushed = 0;
    const int kept = std::max(0, m_configuration.keptFiles);
    QFile::remove(kept > 0 ? keptFileName(kept) : m_file.fileName());
    for (int number = kept - 1; number >= 1; --number)
        QFile::rename(keptFileName(number), keptFileName(number + 1));
    if (kept > 0)
        QFile::rename(m_file.fileName(), keptFileName(1));
    if (!m_file.open(mode | QIODevice::Truncate))
        LogFormatter(LogLevel::Error).log(Log::Global)
            << Q_FUNC_INFO << m_file.fileName() << m_file.errorString();
}

QStringList RotatingLogFile::lines(Order order)
{
    sync();
    QByteArray content;
    for (int number = std::max(0, m_configuration.keptFiles); number >= 0; --number) {
        QFile part(number == 0 ? m_file.fileName() : keptFileName(number));
        if (part.open(QIODevice::ReadOnly))
            content += part.readAll();
    }
    QStringList result = QString::fromUtf8(content).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (order == NewestFirst)
        std::reverse(result.begin(), result.end());
    return result;
}

QString RotatingLogFile::totalContent(Order order)
{
    return lines(order).join(QLatin1Char('\n'));
}

QString RotatingLogFile::pageContent(unsigned int page, unsigned int linesPerPage, Order order)
{
    const QStringList all = lines(order);
    const quint64 first = quint64(page) * linesPerPage;
    if (first >= quint64(all.size()))
        return {};
    return all.mid(int(first), int(linesPerPage)).join(QLatin1Char('\n'));
}
