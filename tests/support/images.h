#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>

/// An image of `size` filled with `colour`, encoded as `format` and then in base 64, as the
/// catalogue stores images.
inline QByteArray base64Image(const QSize& size = { 2, 2 }, const char* format = "PNG",
    Qt::GlobalColor colour = Qt::darkCyan, QImage::Format pixels = QImage::Format_RGB32)
{
    QImage image(size, pixels);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toBase64();
}

/// Writes a small PNG to `path`: its bytes, or none when it could not be written.
inline QByteArray writePng(const QString& path)
{
    const QByteArray bytes = QByteArray::fromBase64(base64Image({ 3, 2 }, "PNG", Qt::red));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? bytes : QByteArray();
}
