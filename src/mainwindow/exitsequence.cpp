#include "mainwindow/exitsequence.h"

#include "config/addresses.h"
#include "config/texts.h"
#include "platform/launcher.h"
#include "platform/messageboxes.h"
#include "platform/programend.h"

QString ExitSequence::question()
{
    // Carriage returns alone, with one blank between them: thanks, a blank line, the question.
    return QStringLiteral("感谢您对阿澄、对Zeph系列的软件的支持!") + QLatin1Char('\r') +
           QLatin1Char(' ') + QLatin1Char('\r') +
           QStringLiteral("是否退出并到论坛可以下载更多Zeph系列原创免费软件?");
}

bool ExitSequence::queryUnload(const std::function<void()>& save)
{
    const int answer =
        m_boxes.show(question(), MessageBoxes::InformationYesNoCancel, Texts::BoxTitle);
    if (answer != MessageBoxes::Yes && answer != MessageBoxes::No)
        return true;
    if (answer == MessageBoxes::Yes)
        m_launcher.runCommand(Addresses::forumCommand(), Addresses::MinimizedFocus);
    save();
    m_end.endEveryCopy();
    return false;
}
