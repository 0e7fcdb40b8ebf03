#include "qtmessagecapture.h"

namespace {
QList<QtMessageCapture::Message>* gSink = nullptr;
} // namespace

QtMessageCapture::QtMessageCapture()
{
    gSink = &m_messages;
    m_previous = qInstallMessageHandler(&QtMessageCapture::handler);
}

QtMessageCapture::~QtMessageCapture()
{
    qInstallMessageHandler(m_previous);
    gSink = nullptr;
}

void QtMessageCapture::handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (gSink)
        gSink->append({ type, QString::fromUtf8(context.category ? context.category : ""), text });
}
