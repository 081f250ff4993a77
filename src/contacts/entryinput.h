#pragma once

#include <QString>

// The check both entry dialogs run on OK, in order: complete, 5–11 characters, numeric.
namespace EntryInput {
enum class Verdict { Ok, Incomplete, BadNumber };

Verdict check(const QString& number, const QString& remark);

// Whether the whole text reads as a number, as the old locale-aware numeric-string test of the
// Chinese Windows runtime reads it (decimal point ".", digit groups ","). Accepted:
//  - blanks (spaces, tabs) before and after;
//  - one sign, before the number or after it ("-12345", "12345-");
//  - a currency sign "¥" or "￥" before the digits (after a leading sign, if any);
//  - digits with "," between them as group separators ("1,234,567"; groups are not counted);
//  - one decimal point, with digits on at least one side ("12345.6", ".5", "5.");
//  - an exponent "e", "E", "d" or "D" with an optional sign and at least one digit ("1e10");
//  - the runtime's radix literals "&H" + hexadecimal digits and "&O" + octal digits ("&H1F").
// Everything else is refused: letters ("abcde", "1234a"), an empty text, a lone sign or point,
// a separator at the start or end of the digits, two signs, blanks inside the number.
bool isNumeric(const QString& text);
} // namespace EntryInput
