#pragma once

#include <QString>
#include <QVector>

// One runtime file the program carries inside itself and writes into its folder at each start.
struct SplashFile
{
    int resourceNumber;
    QString fileName;
};

namespace RuntimeFiles {
inline const QString SkinModule = QStringLiteral("SkinH_VB6.dll");
inline const QString SkinSheet = QStringLiteral("skinh.she");
inline const QString ControlsBundle = QStringLiteral("MSCOMCTL.OCX");
inline const QString TransferModule = QStringLiteral("MSINET.OCX");
inline const QString Music = QStringLiteral("zeph.mp3");
inline const QString ImageBundle = QStringLiteral("Image.ocx");
inline const QString ProfileModule = QStringLiteral("IniEnV.ocx");

// The rows in the order they are written.
const QVector<SplashFile>& table();
// The bytes carried under CUSTOM/<number>; empty when there is no such resource.
QByteArray resource(int number);
// Writes every row into folder, each replaced whole (temporary file, then rename), so a copy
// that has a module mapped keeps working. A row that fails is skipped silently.
// Returns how many rows were written.
int deploy(const QString& folder);
} // namespace RuntimeFiles
