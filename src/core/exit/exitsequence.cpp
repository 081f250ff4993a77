#include "core/exit/exitsequence.h"

#include "config/addresses.h"
#include "platform/launcher.h"
#include "platform/messageboxes.h"
#include "platform/programend.h"

void ExitSequence::leave(const Save& save, const QString& listPath)
{
    // Carriage returns alone, a blank between them: the thanks, a blank line, the question.
    const QString question = QStringLiteral("感谢您对阿澄、对Zeph系列的软件的支持!\r \r"
                                            "是否退出并到论坛可以下载更多Zeph系列原创免费软件?");
    const BoxAnswer answer = m_boxes.ask(question, BoxIcon::Information, BoxButtons::YesNoCancel);
    if (answer != BoxAnswer::Yes && answer != BoxAnswer::No)
        return;
    if (answer == BoxAnswer::Yes)
        m_launcher.openWebAddress(Addresses::forum());
    const ContactListFile::SaveOutcome outcome = save();
    if (outcome.changesLost) {
        const QString giveUp = QStringLiteral("QQ列表未能保存!\r\n位置：%1\r\n原因：%2\r\n"
                                              "是否放弃本次修改并退出程序?")
                                   .arg(listPath, outcome.reason);
        // No, the default, keeps the window, so a stray Enter never throws the changes away.
        if (m_boxes.ask(giveUp, BoxIcon::Exclamation, BoxButtons::YesNoDefaultNo) != BoxAnswer::Yes)
            return;
    }
    m_end.endEveryCopy();
}
