#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

/// Records the Qt messages written while it lives.
class QtMessageCapture
{
public:
    struct Message
    {
        QtMsgType type;
        QString category;
        QString text;
    };

    QtMessageCapture();
    ~QtMessageCapture();

    QtMessageCapture(const QtMessageCapture&) = delete;
    QtMessageCapture& operator=(const QtMessageCapture&) = delete;

    QList<Message> messages() const { return m_messages; }

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text);

    QList<Message> m_messages;
    QtMessageHandler m_previous;
};
