#include "qvsnmpexpr.h"

#include "qvdatetime.h"
#include "qvoptionlist.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmptypes.h"
#include "qvsnmpvarlist.h"

#include <QDateTime>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace QvExpr {

namespace {

[[noreturn]] void failArith() { QvThrow(QVE_NOT_NUMERIC); }
[[noreturn]] void failLogic() { QvThrowCommon(1); }

// The leading decimal real of t: blanks, sign, digits, fraction, exponent. No "inf", "nan" or
// hexadecimal forms.
double leadingReal(const QString &t)
{
    const QByteArray b = t.toLatin1();
    int p = 0;
    const int n = b.size();
    while (p < n && (b[p] == ' ' || b[p] == '\t' || b[p] == '\r' || b[p] == '\n'))
        ++p;
    const int start = p;
    if (p < n && (b[p] == '+' || b[p] == '-'))
        ++p;
    int digits = 0;
    while (p < n && b[p] >= '0' && b[p] <= '9')
        ++p, ++digits;
    if (p < n && b[p] == '.') {
        ++p;
        while (p < n && b[p] >= '0' && b[p] <= '9')
            ++p, ++digits;
    }
    if (digits == 0)
        return 0;
    if (p < n && (b[p] == 'e' || b[p] == 'E')) {
        int q = p + 1;
        if (q < n && (b[q] == '+' || b[q] == '-'))
            ++q;
        if (q < n && b[q] >= '0' && b[q] <= '9') {
            while (q < n && b[q] >= '0' && b[q] <= '9')
                ++q;
            p = q;
        }
    }
    const QByteArray num = b.mid(start, p - start);
    const double v = std::strtod(num.constData(), nullptr);
    if (!std::isfinite(v))
        failArith();
    return v;
}

double number(const QString &t)
{
    if (t.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        return NowReal();
    return leadingReal(t);
}

// A "+" or "-" that is a sign rather than an operator: at the start, after another operator,
// or in the exponent of a number ("1e+5").
bool isSign(const QString &t, int i)
{
    if (i == 0)
        return true;
    int j = i - 1;
    while (j >= 0 && t[j] == QLatin1Char(' '))
        --j;
    if (j < 0)
        return true;
    const QChar c = t[j];
    if (c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('*') || c == QLatin1Char('/'))
        return true;
    if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && j > 0 && (t[j - 1].isDigit() || t[j - 1] == QLatin1Char('.')))
        return true;
    return false;
}

int findOperator(const QString &t, QChar op)
{
    for (int i = 0; i < t.size(); ++i)
        if (t[i] == op && !((op == QLatin1Char('+') || op == QLatin1Char('-')) && isSign(t, i)))
            return i;
    return -1;
}

// Replaces every outermost balanced group of t ("(" to its ")"; characters where skip(i) is
// true do not count) by value(its content), left to right in one pass, so that a text of many
// groups costs its length and not its length times its groups. An unbalanced "(" and what
// follows it stay as they are. Fails as a text beyond MaxLength whenever the text grows past it.
template <typename Skip, typename Value, typename Fail>
QString collapseGroups(const QString &t, Skip skip, Value value, Fail fail)
{
    QString out;
    qsizetype copied = 0;
    qsizetype length = t.size();
    int depth = 0;
    int open = -1;
    for (int i = 0; i < t.size(); ++i) {
        if (skip(i))
            continue;
        if (t[i] == QLatin1Char('(')) {
            if (depth++ == 0)
                open = i;
        } else if (t[i] == QLatin1Char(')') && depth > 0 && --depth == 0) {
            const QString v = value(t.mid(open + 1, i - open - 1));
            out += QStringView(t).mid(copied, open - copied);
            out += v;
            copied = i + 1;
            length += v.size() - (i - open + 1);
            if (length > MaxLength)
                fail();
        }
    }
    if (copied == 0)
        return t;
    out += QStringView(t).mid(copied);
    return out;
}

double evaluate(QString text, int depth)
{
    if (depth > MaxDepth || text.size() > MaxLength)
        failArith();
    // Parentheses innermost-first by recursion on their content.
    text = collapseGroups(
        text, [](int) { return false; }, [depth](const QString &inner) { return RealText(evaluate(inner, depth + 1)); },
        [] { failArith(); });
    int p;
    double v;
    if ((p = findOperator(text, QLatin1Char('+'))) >= 0)
        v = evaluate(text.left(p), depth + 1) + evaluate(text.mid(p + 1), depth + 1);
    else if ((p = findOperator(text, QLatin1Char('-'))) >= 0)
        v = evaluate(text.left(p), depth + 1) - evaluate(text.mid(p + 1), depth + 1);
    else if ((p = findOperator(text, QLatin1Char('*'))) >= 0)
        v = number(text.left(p)) * evaluate(text.mid(p + 1), depth + 1);
    else if ((p = findOperator(text, QLatin1Char('/'))) >= 0) {
        const double d = evaluate(text.mid(p + 1), depth + 1);
        if (d == 0)
            failArith();
        v = number(text.left(p)) / d;
    } else
        v = number(text);
    if (!std::isfinite(v))
        failArith();
    return v;
}

// Quoted sections: each pair of double quotes encloses one; an unpaired quote runs to the end.
// Inside a section two quotes stand for one quote character, so that a substituted value
// cannot end its section early.
QVector<bool> quotedMask(const QString &t)
{
    QVector<bool> m(t.size(), false);
    bool in = false;
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('"')) {
            m[i] = true;
            if (in && i + 1 < t.size() && t[i + 1] == QLatin1Char('"')) {
                m[++i] = true;
                continue;
            }
            in = !in;
        } else {
            m[i] = in;
        }
    }
    return m;
}

int findOutside(const QString &t, const QVector<bool> &mask, const QString &op)
{
    for (int i = 0; i + op.size() <= t.size(); ++i) {
        bool clear = true;
        for (int k = 0; k < op.size() && clear; ++k)
            clear = !mask[i + k] && t[i + k] == op[k];
        if (clear)
            return i;
    }
    return -1;
}

QString operand(QString s)
{
    s = s.trimmed();
    if (s.size() >= 2 && s.startsWith(QLatin1Char('"')) && s.endsWith(QLatin1Char('"')))
        s = s.mid(1, s.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
    if (s.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        s = RealText(NowReal());
    return s;
}

bool test(QString text, int depth)
{
    if (depth > MaxDepth || text.size() > MaxLength)
        failLogic();
    {
        // A group holds its quotes in pairs, so collapsing it leaves the rest's sections as
        // they were.
        const QVector<bool> groupMask = quotedMask(text);
        text = collapseGroups(
            text, [&groupMask](int i) { return groupMask[i]; },
            [depth](const QString &inner) { return QString::fromLatin1(test(inner, depth + 1) ? "true" : "false"); },
            [] { failLogic(); });
    }
    const QVector<bool> mask = quotedMask(text);
    int p;
    if ((p = findOutside(text, mask, QStringLiteral("|"))) >= 0)
        return test(text.left(p), depth + 1) || test(text.mid(p + 1), depth + 1);
    if ((p = findOutside(text, mask, QStringLiteral("&"))) >= 0)
        return test(text.left(p), depth + 1) && test(text.mid(p + 1), depth + 1);
    if (findOutside(text, mask, QStringLiteral("!")) >= 0)
        return !test(text.mid(1), depth + 1);
    static const char *const ops[] = {"<>", ">=", "<=", ">", "<", "="};
    for (const char *o : ops) {
        const QString op = QLatin1String(o);
        if ((p = findOutside(text, mask, op)) < 0)
            continue;
        const QString a = operand(text.left(p));
        const QString b = operand(text.mid(p + op.size()));
        const int c = QString::compare(a, b, Qt::CaseSensitive);
        switch (o[0] == '<' ? (o[1] == '>' ? 0 : o[1] == '=' ? 2 : 4) : o[0] == '>' ? (o[1] == '=' ? 1 : 3) : 5) {
        case 0: return c != 0;
        case 1: return c >= 0;
        case 2: return c <= 0;
        case 3: return c > 0;
        case 4: return c < 0;
        default: return c == 0;
        }
    }
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    failLogic();
}

} // namespace

double NowReal()
{
    const QDateTime now = QDateTime::currentDateTime();
    return QvDateTimeReal(now.date(), now.time().msecsSinceStartOfDay());
}

QString RealText(double value) { return QString::number(value, 'g', 15); }

double Evaluate(const QString &text) { return evaluate(text, 0); }

bool Test(const QString &text) { return test(text, 0); }

QString SubstituteVars(const QString &expression, bool quoteStrings, const QString &marker,
                       const QvSNMPVarList &vars)
{
    if (marker.isEmpty() || expression.size() > MaxLength)
        return expression;
    QString out = expression;
    int from = 0;
    for (;;) {
        const int m = out.indexOf(marker, from);
        if (m < 0)
            break;
        int e = m + marker.size();
        qint64 n = 0;
        while (e < out.size() && out[e].isDigit() && out[e].unicode() < 128) {
            n = n * 10 + (out[e].unicode() - '0');
            if (n > 1000000)
                QvThrow(QVE_EXPR_SYNTAX);
            ++e;
        }
        if (n >= vars.Count())
            QvThrow(QVE_EXPR_SYNTAX);
        const QvSNMPVar &v = vars.Item(int(n));
        QString t = v.options ? v.options->LabelToValue(v.valueText) : v.valueText;
        if (t == QvNullText)
            QvThrow(QVE_EXPR_SYNTAX);
        QString ins;
        switch (v.syntax) {
        case SYN_BOOLEAN:
        case SYN_BOOL8:
        case SYN_BOOL16: ins = t == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0"); break;
        case SYN_INTEGER:
        case SYN_COUNTER:
        case SYN_GAUGE:
        case SYN_COUNTER64:
        case SYN_UINTEGER:
        case SYN_DOUBLE:
        case SYN_INT8:
        case SYN_UINT8:
        case SYN_INT16:
        case SYN_UINT16: ins = t; break;
        case SYN_TIMETICKS: ins = QString::number(QvReadTimeTicks(t)); break;
        case SYN_BCDATETIME: {
            double d = 0;
            if (!QvReadDateTimeReal(t, &d))
                QvThrow(QVE_NOT_NUMERIC);
            ins = RealText(d);
            break;
        }
        default:
            if (!quoteStrings)
                QvThrow(QVE_NOT_NUMERIC);
            ins = QLatin1Char('"') + QString(t).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
            break;
        }
        out = out.left(m) + ins + out.mid(e);
        if (out.size() > MaxLength)
            QvThrow(QVE_NOT_NUMERIC);
        from = m + ins.size();
    }
    return out;
}

QString ResultText(double value, quint32 syntax)
{
    if (!std::isfinite(value))
        QvThrow(QVE_NOT_NUMERIC);
    const double t = std::trunc(value);
    switch (syntax) {
    case SYN_BOOLEAN: return value != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case SYN_INTEGER:
        if (t < double(std::numeric_limits<qint32>::min()) || t > double(std::numeric_limits<qint32>::max()))
            QvThrow(QVE_NOT_NUMERIC);
        return QString::number(qint32(t));
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        if (t < 0 || t > 4294967295.0)
            QvThrow(QVE_NOT_NUMERIC);
        return QString::number(quint32(t));
    case SYN_TIMETICKS:
        if (t < 0 || t > 4294967295.0)
            QvThrow(QVE_NOT_NUMERIC);
        return QvTimeTicksText(quint32(t));
    case SYN_COUNTER64:
        if (t < 0 || t >= 18446744073709551616.0)
            QvThrow(QVE_NOT_NUMERIC);
        return QvCounter64Text(quint64(t));
    case SYN_DOUBLE: return QvRealText(value);
    case SYN_BCDATETIME: return QvDateTimeRealText(value);
    default: QvThrow(QVE_NOT_NUMERIC);
    }
}

} // namespace QvExpr
