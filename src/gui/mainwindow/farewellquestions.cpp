#include "gui/mainwindow/farewellquestions.h"

BoxAnswer FarewellQuestions::farewell()
{
    // Carriage returns alone, a blank between them: the thanks, a blank line, the question.
    return m_boxes.ask(tr("感谢您对阿澄、对Zeph系列的软件的支持!\r \r"
                          "是否退出并到论坛可以下载更多Zeph系列原创免费软件?"),
                       BoxIcon::Information, BoxButtons::YesNoCancel);
}

BoxAnswer FarewellQuestions::giveUpChanges(const ContactListFile::SaveOutcome& outcome)
{
    // No, the default, keeps the window, so a stray Enter never throws the changes away.
    return m_boxes.ask(tr("QQ列表未能保存!\r\n位置：%1\r\n原因：%2\r\n是否放弃本次修改并退出程序?")
                           .arg(m_listPath, reason(outcome)),
                       BoxIcon::Exclamation, BoxButtons::YesNoDefaultNo);
}

QString FarewellQuestions::reason(const ContactListFile::SaveOutcome& outcome)
{
    using Failure = ContactListFile::Failure;
    switch (outcome.failure) {
    case Failure::None:
        return QString();
    case Failure::NoModule:
        return tr("存储模块 IniEnV.ocx 无法加载");
    case Failure::FolderNotWritable:
        return tr("所在文件夹不允许写入");
    case Failure::FileReadOnly:
        return tr("列表文件是只读的");
    case Failure::DiskFull:
        return tr("磁盘空间不足");
    case Failure::FileUnreadable:
        return tr("列表文件无法读取");
    case Failure::WriteFailed:
        break;
    }
    return outcome.detail.isEmpty() ? tr("写入失败") : outcome.detail;
}
