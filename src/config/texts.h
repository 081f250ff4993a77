#pragma once

#include <QString>

// The program's own texts that more than one place shows.
namespace Texts {
inline const QString BoxTitle = QStringLiteral("Zeph系列软件");
inline const QString Checking = QStringLiteral("正在检测");
inline const QString Loaded = QStringLiteral("程序已加载完毕...");
} // namespace Texts
