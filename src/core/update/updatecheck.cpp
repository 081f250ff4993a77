#include "core/update/updatecheck.h"

#include "config/addresses.h"
#include "config/logging.h"
#include "platform/transfer.h"

UpdateCheck::UpdateCheck(const QString& versionAddress) : m_versionAddress(versionAddress) {}

UpdateCheck::UpdateCheck() : UpdateCheck(Addresses::versionFile()) {}

UpdateCheck::Verdict UpdateCheck::run(Transfer& transfer) const
{
    const Verdict verdict = judge(transfer.fetchText(m_versionAddress));
    if (verdict.outcome == Outcome::Failed)
        qCWarning(lcUpdate) << "no answer from" << m_versionAddress;
    return verdict;
}

UpdateCheck::Verdict UpdateCheck::judge(const QString& answer)
{
    if (answer.isEmpty())
        return {Outcome::Failed, QStringLiteral("检测更新失败!请您稍后再试")};
    if (answer == OwnVersion)
        return {Outcome::Current, QString()};
    return {Outcome::Newer, QStringLiteral("发现最新版本![") + answer +
                                QStringLiteral("]\r\n \r\n确定后自动打开更新地址!")};
}
