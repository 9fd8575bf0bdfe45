// The three small expression languages of the request engine: variable substitution into an
// expression text, arithmetic on reals and boolean tests on texts. They serve the read and write
// expressions of variables and the row filters. Hostile input (deep nesting, huge numbers,
// division by zero, results outside a syntax's range) fails with the framework's error instead
// of overflowing the stack or computing nonsense.
#pragma once

#include <QString>
#include <QtGlobal>

class QvSNMPVarList;

namespace QvExpr {

// Nesting depth and text length beyond which an expression is refused.
inline constexpr int MaxDepth = 200;
inline constexpr int MaxLength = 65536;

// Replaces every marker + decimal variable number (none reads as 0) by that variable's value
// in numeric form, or between double quotes when quoteStrings. Throws -512 for a "(NULL)" value
// or a variable number outside the list, -513 for a value without numeric form.
QString SubstituteVars(const QString &expression, bool quoteStrings, const QString &marker,
                       const QvSNMPVarList &vars);

// Arithmetic: parentheses, then the first "+", "-", "*", "/" (right side evaluated as a whole),
// numbers and "NOW". Throws -513 on division by zero, a non-finite result, too deep nesting or
// too long a text.
double Evaluate(const QString &text);

// Boolean: parentheses, "|", "&", "!", comparisons of texts byte by byte ("<>", ">=", "<=",
// ">", "<", "="), "true"/"false". Throws -1 ("Bad logic operand!") on anything else.
bool Test(const QString &text);

// The current local date and time as days since 30 December 1899 (fraction: time of day).
double NowReal();

// Real to text in general form with up to 15 significant digits.
QString RealText(double value);

// An expression result as the value text of a syntax; throws -513 when the syntax has no
// numeric form or the value lies outside its range.
QString ResultText(double value, quint32 syntax);

} // namespace QvExpr
