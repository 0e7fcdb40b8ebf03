#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

/// One stored history (events, failures): rows kept under one key of the
/// settings store, each a time and a text, oldest first.
class History
{
public:
    struct Row
    {
        QDateTime time;
        QString text;
    };

    explicit History(const QString& key);

    /// Appends a row; false, logged, when the store refuses it.
    bool append(const QDateTime& time, const QString& text) const;
    /// The stored rows, oldest first. A row that does not parse is logged and skipped.
    QList<Row> rows() const;
    /// A row as one line of an export: "dd/MM/yyyy HH:mm:ss" and the text.
    static QString line(const Row& row);

private:
    QString m_key;
};
