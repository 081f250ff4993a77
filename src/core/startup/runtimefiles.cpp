#include "core/startup/runtimefiles.h"

#include "config/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <QSaveFile>

namespace RuntimeFiles {

const QVector<Row>& table()
{
    static const QVector<Row> rows = {
        {122, SkinModule}, {111, SkinSheet},   {126, ControlsBundle}, {127, TransferModule},
        {133, Music},      {134, ImageBundle}, {135, ProfileModule},
    };
    return rows;
}

namespace {
// Why the file could not be written; empty when it was.
QString write(const QString& path, int number)
{
    const QResource carried(QStringLiteral(":/CUSTOM/%1").arg(number));
    if (!carried.isValid())
        return QStringLiteral("not carried by this build");
    const QByteArray bytes =
        carried.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(carried.data()),
                                      qsizetype(carried.size()))
            : carried.uncompressedData();

    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        // The name is replaced, never the file a link points to.
        if (!QFile::remove(path))
            return QStringLiteral("a link of that name cannot be removed");
    } else if (existing.isDir()) {
        return QStringLiteral("a folder of that name is in the way");
    }
    QSaveFile file(path);
    // Never write into the old file in place: a running copy may have it mapped.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return QString();
}
} // namespace

int deploy(const QString& folder)
{
    int written = 0;
    for (const Row& row : table()) {
        const QString path = QDir::toNativeSeparators(folder + QLatin1Char('/') + row.fileName);
        const QString failure = write(path, row.resourceNumber);
        if (failure.isEmpty())
            ++written;
        else
            qCWarning(lcStartup) << "runtime file" << path << "not written:" << failure;
    }
    return written;
}

} // namespace RuntimeFiles
