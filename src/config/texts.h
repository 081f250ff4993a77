#pragma once

#include <QString>

// The program's own texts that more than one place shows.
namespace Texts {
inline const QString BoxTitle = QStringLiteral("Zeph系列软件");
inline const QString ChatGuard = QStringLiteral("请选择要交谈的QQ后再进行交谈!");
inline const QString EditGuard = QStringLiteral("请选择要修改的QQ后再进行修改!");
inline const QString DeleteGuard = QStringLiteral("请选择要删除的QQ后再进行删除!");
inline const QString Checking = QStringLiteral("正在检测");
inline const QString Online = QStringLiteral("在线");
inline const QString Offline = QStringLiteral("离线");
inline const QString Loaded = QStringLiteral("程序已加载完毕...");
inline const QString IncompleteInput = QStringLiteral("请输入补全信息..");
inline const QString BadNumber = QStringLiteral("您输入的QQ号码有误!");
} // namespace Texts
