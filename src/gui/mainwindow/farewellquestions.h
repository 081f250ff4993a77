#pragma once

#include "core/exit/exitsequence.h"

#include <QCoreApplication>

class MessageBoxes;

// The leaving questions in the program's words, asked in message boxes: the farewell, and after
// a save that would lose the user's changes, where the list is, why it was not saved and whether
// to give the changes up.
class FarewellQuestions final : public ExitSequence::Questions
{
    Q_DECLARE_TR_FUNCTIONS(FarewellQuestions)
public:
    FarewellQuestions(MessageBoxes& boxes, const QString& listPath)
        : m_boxes(boxes), m_listPath(listPath)
    {}

    BoxAnswer farewell() override;
    BoxAnswer giveUpChanges(const ContactListFile::SaveOutcome& outcome) override;

    // Why a save failed, as the user reads it.
    static QString reason(const ContactListFile::SaveOutcome& outcome);

private:
    MessageBoxes& m_boxes;
    QString m_listPath;
};
