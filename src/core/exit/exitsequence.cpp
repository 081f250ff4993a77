#include "core/exit/exitsequence.h"

#include "config/addresses.h"
#include "platform/launcher.h"
#include "platform/programend.h"

void ExitSequence::leave(const Save& save)
{
    const BoxAnswer answer = m_questions.farewell();
    if (answer != BoxAnswer::Yes && answer != BoxAnswer::No)
        return;
    if (answer == BoxAnswer::Yes)
        m_launcher.openWebAddress(Addresses::forum());
    const ContactListFile::SaveOutcome outcome = save();
    if (outcome.changesLost && m_questions.giveUpChanges(outcome) != BoxAnswer::Yes)
        return;
    m_end.endEveryCopy();
}
