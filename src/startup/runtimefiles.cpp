#include "startup/runtimefiles.h"

#include <QDir>
#include <QFile>
#include <QResource>
#include <QSaveFile>

namespace RuntimeFiles {

const QVector<SplashFile>& table()
{
    static const QVector<SplashFile> rows = {
        {122, SkinModule}, {111, SkinSheet},   {126, ControlsBundle}, {127, TransferModule},
        {133, Music},      {134, ImageBundle}, {135, ProfileModule},
    };
    return rows;
}

QByteArray resource(int number)
{
    QFile file(QStringLiteral(":/CUSTOM/%1").arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {
bool write(const QString& path, int number)
{
    const QResource carried(QStringLiteral(":/CUSTOM/%1").arg(number));
    if (!carried.isValid())
        return false;
    const QByteArray bytes =
        carried.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(carried.data()),
                                      qsizetype(carried.size()))
            : carried.uncompressedData();
    QSaveFile file(path);
    // Never write into the old file in place: a running copy may have it mapped.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

int deploy(const QString& folder)
{
    int written = 0;
    for (const SplashFile& row : table()) {
        const QString path = QDir::toNativeSeparators(folder + QLatin1Char('/') + row.fileName);
        if (write(path, row.resourceNumber))
            ++written;
    }
    return written;
}

} // namespace RuntimeFiles
