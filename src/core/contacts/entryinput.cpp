#include "core/contacts/entryinput.h"

#include <QRegularExpression>

namespace EntryInput {

Verdict check(const QString& number, const QString& remark)
{
    if (number.isEmpty() || remark.isEmpty())
        return Verdict::Incomplete;
    if (number.size() < 5 || number.size() > 11 || !isNumeric(number))
        return Verdict::BadNumber;
    return Verdict::Ok;
}

bool isNumeric(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(
        "^[ \\t]*[+-]?(?:[0-9]+(?:,[0-9]+)*(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?[ \\t]*$"));
    return number.match(text).hasMatch();
}

} // namespace EntryInput
