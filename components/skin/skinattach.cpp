#include "skinattach.h"

#include <QApplication>
#include <QFile>
#include <QString>
#include <QStringDecoder>

namespace {

// A style sheet is a few kilobytes; anything this large is not one and is not read into memory.
constexpr qint64 maximumSkinSize = 4 * 1024 * 1024;

} // namespace

// The password exists because the call site always passes one; skin files are plain text.
extern "C" Q_DECL_EXPORT int SkinH_AttachEx(const char* skinFile, const char* password)
{
    Q_UNUSED(password);
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application)
        return SkinAttach::NoApplication;
    if (!skinFile || !*skinFile)
        return SkinAttach::NoFile;

    QFile file(QString::fromLocal8Bit(skinFile));
    if (!file.open(QIODevice::ReadOnly))
        return SkinAttach::NoFile;
    if (file.size() > maximumSkinSize)
        return SkinAttach::TooLarge;
    const QByteArray bytes = file.read(maximumSkinSize + 1);
    if (file.error() != QFileDevice::NoError)
        return SkinAttach::NoFile;
    if (bytes.size() > maximumSkinSize)
        return SkinAttach::TooLarge;

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString styleSheet = decoder.decode(bytes);
    if (decoder.hasError())
        return SkinAttach::NotText;

    application->setStyleSheet(styleSheet);
    return SkinAttach::Applied;
}
