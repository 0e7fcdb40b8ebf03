#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

namespace scenario {

/// Where each value of a JSON text starts: QJsonDocument keeps no positions,
/// so the raw text is scanned once and every value's field path
/// ("timeline[3].event") is mapped to its line. The scan tolerates broken
/// text: it indexes what it got through.
class JsonLineIndex
{
public:
    explicit JsonLineIndex(const QByteArray& text);

    /// The line of the value at `path` (the root is ""), or of the closest
    /// enclosing value the index knows; 1 when none.
    int line(const QString& path) const;
    /// The 1-based line of a byte offset into the text.
    int lineOfOffset(int offset) const;
    /// The path of the last value that starts before `offset`; "" for none.
    QString pathBefore(int offset) const;

    /// "timeline" + 3 -> "timeline[3]"; "" + "name" -> "name".
    static QString member(const QString& parent, const QString& key);
    static QString element(const QString& parent, int index);

private:
    struct Entry
    {
        QString path;
        int offset;
    };

    void scan();
    void scanValue(const QString& path);
    void scanObject(const QString& path);
    void scanArray(const QString& path);
    QString scanString();
    void skipWhitespace();
    void record(const QString& path, int offset);

    QByteArray m_text;
    int m_pos = 0;
    /// Offsets of the line starts.
    QVector<int> m_lineStarts;
    QHash<QString, int> m_lines;
    QVector<Entry> m_entries;
};

} // namespace scenario
