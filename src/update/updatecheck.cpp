#include "update/updatecheck.h"

#include "config/addresses.h"
#include "config/texts.h"
#include "platform/launcher.h"
#include "platform/messageboxes.h"
#include "platform/programend.h"
#include "platform/transfer.h"

UpdateCheck::UpdateCheck(MessageBoxes& boxes, Launcher& launcher, ProgramEnd& end)
    : m_boxes(boxes), m_launcher(launcher), m_end(end), m_versionAddress(Addresses::versionFile())
{}

UpdateCheck::Outcome UpdateCheck::evaluate(const QString& answer)
{
    if (answer.isEmpty())
        return Outcome::Failed;
    // Whole text, case-sensitive, nothing trimmed: "V2.2" and a line break is another version.
    return answer == OwnVersion ? Outcome::Current : Outcome::Newer;
}

QString UpdateCheck::newerVersionText(const QString& answer)
{
    return QStringLiteral("发现最新版本![") + answer +
           QStringLiteral("]\r\n \r\n确定后自动打开更新地址!");
}

void UpdateCheck::run(Transfer& transfer, const std::function<void(const QString&)>& statusText,
                      const std::function<void()>& onCurrent)
{
    if (m_running)
        return;
    m_running = true;
    const QString answer = transfer.OpenURL(m_versionAddress);
    switch (evaluate(answer)) {
    case Outcome::Failed:
        m_boxes.show(QStringLiteral("检测更新失败!请您稍后再试"), MessageBoxes::Exclamation,
                     Texts::BoxTitle);
        m_end.endNow();
        break;
    case Outcome::Current:
        statusText(Texts::Loaded);
        onCurrent();
        break;
    case Outcome::Newer:
        statusText(Texts::Loaded);
        m_boxes.show(newerVersionText(answer), MessageBoxes::Information, Texts::BoxTitle);
        m_launcher.runCommand(Addresses::forumCommand(), Addresses::MinimizedFocus);
        m_end.endNow();
        break;
    }
    m_running = false;
}
