#pragma once

#include <QString>

// The check the entry dialog runs on OK, in this order: both boxes filled, a number of 5 to 11
// characters, and one that reads as a number.
namespace EntryInput {
enum class Verdict { Ok, Incomplete, BadNumber };

Verdict check(const QString& number, const QString& remark);

// Whether the whole text reads as a decimal number as people write one: blanks around it, a sign
// in front, "," between digit groups, one decimal point, an exponent ("-12345", " 1,234 ",
// "12345.6", "1e10"). Letters, blanks inside and a lone sign or point are refused. The text is
// kept as typed either way; the check only guards against what is plainly not a number.
bool isNumeric(const QString& text);
} // namespace EntryInput
