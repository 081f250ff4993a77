#include "contacts/entryinput.h"

#include <QRegularExpression>

namespace EntryInput {

Verdict check(const QString& number, const QString& remark)
{
    if (number.isEmpty() || remark.isEmpty())
        return Verdict::Incomplete;
    if (number.size() < 5 || number.size() > 11)
        return Verdict::BadNumber;
    if (!isNumeric(number))
        return Verdict::BadNumber;
    return Verdict::Ok;
}

bool isNumeric(const QString& text)
{
    static const QRegularExpression radix(
        QStringLiteral("^[ \\t]*&(?:[Hh][0-9A-Fa-f]+|[Oo][0-7]+)[ \\t]*$"));
    static const QRegularExpression decimal(QStringLiteral("^[ \\t]*"
                                                           "(?<lead>[+-])?[¥￥]?"
                                                           "(?:\\d+(?:,\\d+)*(?:\\.\\d*)?|\\.\\d+)"
                                                           "(?:[eEdD][+-]?\\d+)?"
                                                           "(?<trail>[+-])?"
                                                           "[ \\t]*$"));
    if (radix.match(text).hasMatch())
        return true;
    const QRegularExpressionMatch match = decimal.match(text);
    return match.hasMatch() && !(match.capturedLength(QStringLiteral("lead")) &&
                                 match.capturedLength(QStringLiteral("trail")));
}

} // namespace EntryInput
