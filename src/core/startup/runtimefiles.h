#pragma once

#include <QString>
#include <QVector>

// The runtime files the program carries inside itself (resources CUSTOM/<number>) and writes into
// its folder at every start, for the modules, the skin, the pictures and the tune to be used from
// there. Each file is replaced whole under its name in the folder: a symbolic link of that name is
// replaced by the file and what it points to stays untouched; a folder in the way stays, and the
// one feature that needs the file goes without it.
namespace RuntimeFiles {
inline const QString SkinModule = QStringLiteral("SkinH_VB6.dll");
inline const QString SkinSheet = QStringLiteral("skinh.she");
inline const QString ControlsBundle = QStringLiteral("MSCOMCTL.OCX");
inline const QString TransferModule = QStringLiteral("MSINET.OCX");
inline const QString Music = QStringLiteral("zeph.mp3");
inline const QString ImageBundle = QStringLiteral("Image.ocx");
inline const QString ProfileModule = QStringLiteral("IniEnV.ocx");

struct Row
{
    int resourceNumber;
    QString fileName;
};
// The rows in the order they are written.
const QVector<Row>& table();

// Writes every row into folder; a row that fails is skipped and the next one written. Returns how
// many were written.
int deploy(const QString& folder);
} // namespace RuntimeFiles
