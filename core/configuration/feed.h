#pragma once

#include <QObject>
#include <QString>

/// One fixed text of the news band.
class Feed : public QObject
{
    Q_OBJECT

public:
    explicit Feed(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

private:
    QString m_title;
};
