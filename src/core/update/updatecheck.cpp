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
        return {Outcome::Failed, answer};
    return {answer == OwnVersion ? Outcome::Current : Outcome::Newer, answer};
}
