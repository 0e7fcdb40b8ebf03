// Fuzzes LocalImageStore::saveImage, where configuration data become file
// names and decoded images. Input: the file name in UTF-8, a newline, then
// the base64 image data.

#include "bridge/localimagestore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

using bridge::LocalImageStore;

void check(bool invariant)
{
    if (!invariant)
        std::abort();
}

QStringList entries(const QString& directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// The store writes into `images`; `root` holds nothing else, so a name that
// climbs out of `images` shows there.
struct Sandbox
{
    QTemporaryDir root { QDir::tempPath() + QStringLiteral("/localimagestore_fuzz-XXXXXX") };
    QString images = root.path() + QStringLiteral("/images/");

    Sandbox() { check(root.isValid() && QDir().mkdir(images)); }

    void empty() { check(QDir(images).removeRecursively() && QDir().mkdir(images)); }
};

Sandbox& sandbox()
{
    // QImage needs an application for its format plugins.
    static int argc = 1;
    static char name[] = "localimagestore_fuzz";
    static char* argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    static Sandbox sandbox;
    return sandbox;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Sandbox& box = sandbox();
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const int newline = input.indexOf('\n');
    // The explicit size keeps a NUL in the name.
    const QString fileName = QString::fromUtf8(input.constData(), newline < 0 ? input.size() : newline);
    const QByteArray base64 = newline < 0 ? QByteArray() : input.mid(newline + 1);
    // Where the name would lead if it were pasted into a path unchecked.
    const QString pasted = QDir::cleanPath(box.images + fileName + QStringLiteral(".PNG"));
    const bool pastedExisted = QFileInfo::exists(pasted);

    try {
        const QString path = LocalImageStore::saveImage(base64, box.images, fileName);
        check(path.startsWith(box.images) && !path.midRef(box.images.size()).contains(QLatin1Char('/')));
        const QFileInfo file(path);
        check(file.isFile() && !file.isSymLink());
        // The one file there is the one named, byte for byte: a NUL would
        // have let the kernel write a shorter name.
        const QStringList written = entries(box.images);
        check(written.size() == 1
            && QFile::encodeName(written.first()) == QFile::encodeName(path.mid(box.images.size())));
        const QSize size = QImageReader(path).size();
        check(size.width() <= LocalImageStore::MaxImageSide && size.height() <= LocalImageStore::MaxImageSide
            && qint64(size.width()) * size.height() <= LocalImageStore::MaxImagePixels);
    } catch (const std::runtime_error&) {
        check(entries(box.images).isEmpty());
    }
    check(entries(box.root.path()) == QStringList { QStringLiteral("images") });
    check(pastedExisted || pasted.startsWith(box.images) || !QFileInfo::exists(pasted));
    box.empty();
    return 0;
}
